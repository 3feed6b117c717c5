#include "SetsText.h"

#include "SetsExport.h"

namespace twinsweep {

namespace {

const char* ActionKey(CliAction action) {
    switch (action) {
    case CliAction::Trash:
        return "CLI_WORD_TRASH";
    case CliAction::Clone:
        return "CLI_WORD_CLONE";
    case CliAction::HardLink:
        return "CLI_WORD_LINK";
    case CliAction::None:
        break;
    }
    return "";
}

std::string Text(const std::vector<DuplicateSet>& sets, const PathStore& paths, CliAction action,
                 const CliTexts& texts) {
    const std::string keep = texts.Text("CLI_WORD_KEEP"), act = texts.Text(ActionKey(action));
    const size_t width = std::max(keep.size(), act.size());
    const auto padded = [width](const std::string& word) {
        return word + std::string(width + 1 - word.size(), ' ');
    };
    std::string out;
    for (size_t s = 0; s < sets.size(); ++s) {
        const DuplicateSet& set = sets[s];
        if (s > 0)
            out += '\n';
        out += texts.Text("CLI_SET", {std::to_string(s + 1),
                                      texts.Counted("CLI_FILE", "CLI_FILES", set.members.size()),
                                      texts.Size(set.size), texts.Size(set.freeable)}) +
               '\n';
        for (const SetMember& member : set.members) {
            out += "  ";
            if (action != CliAction::None)
                out += padded(member.marked ? act : keep);
            out += paths[member.path];
            if (member.isProtected)
                out += texts.Text("CLI_PROTECTED_NOTE");
            out += '\n';
        }
    }
    return out;
}

} // namespace

std::string SetsOutput(const std::vector<DuplicateSet>& sets, const PathStore& paths,
                       OutputFormat format, CliAction action, const CliTexts& texts) {
    switch (format) {
    case OutputFormat::Csv:
        return SetsCsv(sets, paths);
    case OutputFormat::Json:
        return SetsJson(sets, paths);
    case OutputFormat::JsonLines:
        return SetsJsonLines(sets, paths);
    case OutputFormat::Text:
        break;
    }
    return Text(sets, paths, action, texts);
}

} // namespace twinsweep
