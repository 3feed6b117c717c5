#include "CommandLine.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

#include "Paths.h"

namespace twinsweep {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::optional<OutputFormat> FormatOf(const std::string& name) {
    if (name == "text")
        return OutputFormat::Text;
    if (name == "csv")
        return OutputFormat::Csv;
    if (name == "json")
        return OutputFormat::Json;
    if (name == "jsonl")
        return OutputFormat::JsonLines;
    return std::nullopt;
}

} // namespace

std::optional<KeepRule> KeepRuleOf(const std::string& name, std::string& folder) {
    if (name == "newest")
        return KeepRule::Newest;
    if (name == "oldest")
        return KeepRule::Oldest;
    if (name == "shortest")
        return KeepRule::ShortestPath;
    if (name.starts_with("in:") && name.size() > 3) {
        folder = name.substr(3);
        return KeepRule::InsideFolder;
    }
    return std::nullopt;
}

std::optional<int64_t> ParseSize(const std::string& text) {
    uint64_t number = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || rest == text.data())
        return std::nullopt;
    const std::string unit = Lower(std::string(rest, end));
    int shift = 0;
    if (!unit.empty() && unit != "b") {
        const std::string units = "kmgt";
        const size_t at = units.find(unit[0]);
        const std::string after = unit.substr(1);
        if (at == std::string::npos || !(after.empty() || after == "b" || after == "ib"))
            return std::nullopt;
        shift = 10 * static_cast<int>(at + 1);
    }
    if (number > (static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) >> shift))
        return std::nullopt;
    return static_cast<int64_t>(number << shift);
}

CliOptions ParseCommandLine(const std::vector<std::string>& args) {
    CliOptions options;
    bool optionsEnd = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnd || arg.empty() || arg[0] != '-' || arg == "-") {
            options.folders.push_back(arg);
            continue;
        }
        // "--name=value" or "--name value"
        std::string name = arg;
        std::optional<std::string> attached;
        if (const size_t equals = arg.find('=');
            arg.starts_with("--") && equals != std::string::npos) {
            name = arg.substr(0, equals);
            attached = arg.substr(equals + 1);
        }
        const auto value = [&]() -> std::string {
            if (attached)
                return *attached;
            if (i + 1 >= args.size())
                throw UsageError("CLI_NEEDS_VALUE", name);
            return args[++i];
        };
        const auto flag = [&](bool& set) {
            if (attached)
                throw UsageError("CLI_NO_VALUE", name);
            set = true;
        };
        const auto action = [&](CliAction chosen) {
            if (attached)
                throw UsageError("CLI_NO_VALUE", name);
            if (options.action != CliAction::None)
                throw UsageError("CLI_TWO_ACTIONS", name);
            options.action = chosen;
        };
        const auto size = [&](int64_t& bound) {
            const std::string text = value();
            const auto bytes = ParseSize(text);
            if (!bytes)
                throw UsageError("CLI_BAD_SIZE", text);
            bound = *bytes;
        };
        bool noRecurse = false;
        if (name == "--")
            optionsEnd = true;
        else if (name == "-h" || name == "--help")
            flag(options.help);
        else if (name == "-V" || name == "--version")
            flag(options.version);
        else if (name == "--protect")
            options.protectedFolders.push_back(value());
        else if (name == "--exclude")
            options.exclusions.push_back(value());
        else if (name == "--min-size")
            size(options.minSize);
        else if (name == "--max-size")
            size(options.maxSize);
        else if (name == "--hidden")
            flag(options.hidden);
        else if (name == "--no-recurse")
            flag(noRecurse);
        else if (name == "--ext") {
            options.extension = value();
            if (options.extension.starts_with('.'))
                options.extension.erase(0, 1);
            if (options.extension.empty() || options.extension.find('/') != std::string::npos)
                throw UsageError("CLI_BAD_VALUE", name + " " + options.extension);
        } else if (name == "--format") {
            const std::string text = value();
            const auto format = FormatOf(text);
            if (!format)
                throw UsageError("CLI_BAD_VALUE", name + " " + text);
            options.format = *format;
        } else if (name == "-o" || name == "--output")
            options.output = value();
        else if (name == "--keep") {
            const std::string text = value();
            options.keep = KeepRuleOf(text, options.keepFolder);
            if (!options.keep)
                throw UsageError("CLI_BAD_VALUE", name + " " + text);
        } else if (name == "--trash")
            action(CliAction::Trash);
        else if (name == "--clone")
            action(CliAction::Clone);
        else if (name == "--hardlink")
            action(CliAction::HardLink);
        else if (name == "--dry-run")
            flag(options.dryRun);
        else
            throw UsageError("CLI_UNKNOWN_OPTION", arg);
        if (noRecurse)
            options.recurse = false;
    }
    if (options.help || options.version)
        return options;
    if (options.action != CliAction::None && !options.keep)
        throw UsageError("CLI_ACTION_NEEDS_KEEP", "--keep");
    if (options.keep && options.action == CliAction::None)
        throw UsageError("CLI_KEEP_NEEDS_ACTION", "--keep");
    if (options.dryRun && options.action == CliAction::None)
        throw UsageError("CLI_KEEP_NEEDS_ACTION", "--dry-run");
    if (options.maxSize != 0 && options.minSize > options.maxSize)
        throw UsageError("CLI_BAD_VALUE", "--min-size > --max-size");
    if (options.folders.empty())
        throw UsageError("CLI_NO_FOLDER", "");
    return options;
}

SearchChoices ChoicesOf(const CliOptions& options) {
    std::vector<std::string> folders, protectedFolders;
    for (const std::string& folder : options.folders)
        folders.push_back(ExpandFileName(folder));
    for (const std::string& folder : options.protectedFolders)
        protectedFolders.push_back(ExpandFileName(folder));
    const std::vector<SearchFolder> all = FoldersWithProtection(folders, protectedFolders);
    SearchChoices choices;
    choices.folder = all.front().path;
    choices.folderRole = all.front().role;
    choices.moreFolders.assign(all.begin() + 1, all.end());
    choices.exclusions = options.exclusions;
    choices.subfolders = options.recurse;
    choices.extensionOnly = !options.extension.empty();
    choices.extension = options.extension;
    choices.hidden = options.hidden;
    choices.sizeMinBytes = options.minSize;
    choices.sizeMaxBytes = options.maxSize;
    return choices;
}

} // namespace twinsweep
