#include "FolderBlock.h"

#include "Conversions.h"
#include "ProjectFile.h"

namespace twinsweep {

namespace {

constexpr const char* SearchedWord = "searched";
constexpr const char* ProtectedWord = "protected";

std::string Checked(const std::string& line) {
    if (line.find_first_of("\r\n") != std::string::npos)
        throw EProjectLineError(line);
    return line;
}

} // namespace

TextLines FolderBlockLines(const SearchChoices& choices) {
    if (OneFolderOnly(choices))
        return {};
    const std::vector<SearchFolder> folders = AllFolders(choices);
    TextLines lines{FolderBlockMark, std::to_string(folders.size())};
    for (const SearchFolder& folder : folders) {
        lines.push_back(folder.role == FolderRole::Protected ? ProtectedWord : SearchedWord);
        lines.push_back(Checked(folder.path));
    }
    lines.push_back(std::to_string(choices.exclusions.size()));
    for (const std::string& pattern : choices.exclusions)
        lines.push_back(Checked(pattern));
    return lines;
}

std::optional<size_t> ReadFolderBlock(const LinesOfText& lines, size_t start,
                                      SearchChoices& choices) {
    choices.folderRole = FolderRole::Searched;
    choices.moreFolders.clear();
    choices.exclusions.clear();
    if (!lines.Has(start) || lines.View(start) != FolderBlockMark)
        return 0;
    size_t next = start + 1;
    // A count of lines that follow it, each taken by `take`.
    const auto section = [&](size_t linesEach, const auto& take) {
        const auto count = lines.Has(next) ? TryStrToInt(lines[next]) : std::nullopt;
        if (!count || *count < 0 ||
            static_cast<size_t>(*count) * linesEach > lines.size() - next - 1)
            return false;
        ++next;
        for (int i = 0; i < *count; ++i, next += linesEach)
            if (!take(next))
                return false;
        return true;
    };
    std::vector<SearchFolder> folders;
    TextLines exclusions;
    const bool read =
        section(
            2,
            [&](size_t at) {
                const std::string_view role = lines.View(at);
                if ((role != SearchedWord && role != ProtectedWord) || lines.View(at + 1).empty())
                    return false;
                folders.push_back({lines[at + 1], role == ProtectedWord ? FolderRole::Protected
                                                                        : FolderRole::Searched});
                return true;
            }) &&
        section(1, [&](size_t at) {
            exclusions.push_back(lines[at]);
            return true;
        });
    if (!read || folders.empty())
        return std::nullopt;
    choices.folder = folders.front().path;
    choices.folderRole = folders.front().role;
    choices.moreFolders.assign(folders.begin() + 1, folders.end());
    choices.exclusions = std::move(exclusions);
    return next - start;
}

} // namespace twinsweep
