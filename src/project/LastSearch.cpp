#include "LastSearch.h"

#include "FolderBlock.h"
#include "ProjectFile.h"

namespace twinsweep {

void SaveLastSearch(const std::string& path, const SearchChoices& choices) {
    TextLines lines{choices.folder};
    try {
        if (choices.folder.find_first_of("\r\n") != std::string::npos)
            return;
        for (std::string& line : CriteriaLines(choices, TFormatSettings{}))
            lines.push_back(std::move(line));
        for (std::string& line : FolderBlockLines(choices))
            lines.push_back(std::move(line));
    } catch (const EProjectLineError&) {
        return;
    }
    ReplaceTextLines(path, lines);
}

std::optional<SearchChoices> LoadLastSearch(const std::string& path, const SearchChoices& current) {
    try {
        const LinesOfText lines(ReadTextLines(path, 64 * 1024));
        if (lines.empty() || lines.View(0).empty())
            return std::nullopt;
        SearchChoices choices = ParseCriteria(lines, 1, current);
        choices.folder = lines[0];
        if (!ReadFolderBlock(lines, 1 + CriteriaLineCount, choices))
            return std::nullopt;
        return choices;
    } catch (const Exception&) {
        return std::nullopt;
    }
}

} // namespace twinsweep
