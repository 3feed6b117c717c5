#include "ProjectFile.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "Conversions.h"
#include "FolderBlock.h"

namespace twinsweep {

namespace {

constexpr size_t CountLines = 18; // the first of the four counts
constexpr size_t FirstEntry = 22;

std::string Flag(bool on) { return on ? "1" : "0"; }

// Lines 0-21 in file order, counted from `first`; a missing one is the list's index error.
class Header {
public:
    Header(const LinesOfText& lines, size_t first) : lines_(lines), first_(first) {}
    std::string operator[](size_t i) const {
        if (!lines_.Has(first_ + i))
            throw EListError(FormatMessage("List index out of bounds (%d)", {std::to_string(i)}));
        return lines_[first_ + i];
    }
    bool Flag(size_t i) const { return (*this)[i] != "0"; }
    int Integer(size_t i) const { return StrToInt((*this)[i]); }
    // A size bound in kilobytes, past what 32 bits hold; other texts are read as Integer.
    int64_t SizeBound(size_t i) const {
        const std::string text = (*this)[i];
        int64_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc{} || end != text.data() + text.size())
            value = Integer(i);
        return std::clamp<int64_t>(value, 0, MaxSizeKB);
    }

private:
    const LinesOfText& lines_;
    size_t first_;
};

bool IsGroupNumber(const std::string& text, size_t groups) {
    if (text.empty() || text.size() > 10 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    return std::stoull(text) < groups;
}

// A project's first line is the sub-folders check box: "0" or "1", or a word written by hand.
constexpr size_t LongestFirstLine = 16;

bool StartsLikeProject(const LinesOfText& lines) {
    if (lines.empty())
        return false;
    const std::string_view first = lines.View(0);
    return !first.empty() && first.size() <= LongestFirstLine &&
           std::all_of(first.begin(), first.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

void CheckLine(const std::string& text) {
    if (text.find_first_of("\r\n") != std::string::npos)
        throw EProjectLineError(text);
}

} // namespace

TextLines CriteriaLines(const SearchChoices& choices, const TFormatSettings& formats) {
    CheckLine(choices.extension);
    return {Flag(choices.subfolders),
            Flag(choices.extensionOnly),
            choices.extension,
            std::to_string(static_cast<int>(choices.dateRange)),
            Flag(choices.after.dateOn),
            Flag(choices.after.timeOn),
            FormatProjectDate(choices.after.date, formats),
            FormatProjectTime(choices.after.time, formats),
            Flag(choices.before.dateOn),
            Flag(choices.before.timeOn),
            FormatProjectDate(choices.before.date, formats),
            FormatProjectTime(choices.before.time, formats),
            Flag(choices.archive),
            Flag(choices.readonly),
            Flag(choices.system),
            Flag(choices.hidden),
            std::to_string(choices.sizeMinKB),
            std::to_string(choices.sizeMaxKB)};
}

SearchChoices ParseCriteria(const LinesOfText& lines, size_t first, const SearchChoices& current) {
    const Header header(lines, first);
    SearchChoices choices = current;
    choices.subfolders = header.Flag(0);
    choices.extensionOnly = header.Flag(1);
    choices.extension = header[2];
    choices.dateRange = static_cast<DateRange>(std::clamp(header.Integer(3), -1, 2));
    choices.after.dateOn = header.Flag(4);
    choices.after.timeOn = header.Flag(5);
    choices.after.date = ReplaceDate(current.after.date, ParseProjectDate(header[6]));
    choices.after.time = ReplaceTime(current.after.time, ParseProjectTime(header[7]));
    choices.before.dateOn = header.Flag(8);
    choices.before.timeOn = header.Flag(9);
    choices.before.date = ReplaceDate(current.before.date, ParseProjectDate(header[10]));
    choices.before.time = ReplaceTime(current.before.time, ParseProjectTime(header[11]));
    choices.archive = header.Flag(12);
    choices.readonly = header.Flag(13);
    choices.system = header.Flag(14);
    choices.hidden = header.Flag(15);
    choices.sizeMinKB = header.SizeBound(16);
    choices.sizeMaxKB = header.SizeBound(17);
    return choices;
}

namespace {

bool HoldsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

// The list entries a project keeps: those without a line break, and the sets that keep their
// reference and at least one duplicate. Entries are numbered as in the lists.
struct KeptEntries {
    std::vector<size_t> references, duplicates, others; // of LBB1, LBB2 and LL1, LL2
    std::vector<int> groupNumber;                       // a kept reference's new number

    KeptEntries(const ResultLists& lists, std::set<std::string>& leftOut) {
        const auto keeps = [&](std::string_view text) {
            if (!HoldsLineBreak(text))
                return true;
            leftOut.emplace(text);
            return false;
        };
        std::vector<int> members(lists.LBB1.size(), 0);
        std::vector<bool> kept(lists.LBB1.size());
        for (size_t g = 0; g < lists.LBB1.size(); ++g)
            kept[g] = keeps(lists.LBB1[g]);
        const auto inKeptSet = [&](int group) {
            return group < 0 || static_cast<size_t>(group) >= kept.size() ||
                   kept[static_cast<size_t>(group)];
        };
        for (size_t i = 0; i < lists.LBB2.size(); ++i) {
            const int group = i < lists.LL1.size() ? lists.LL1[i] : GroupList::NoGroup;
            if (keeps(lists.LBB2[i]) && inKeptSet(group)) {
                duplicates.push_back(i);
                if (group >= 0 && static_cast<size_t>(group) < members.size())
                    ++members[static_cast<size_t>(group)];
            }
        }
        groupNumber.assign(lists.LBB1.size(), GroupList::NoGroup);
        for (size_t g = 0; g < lists.LBB1.size(); ++g)
            if (kept[g] && members[g] > 0) {
                groupNumber[g] = static_cast<int>(references.size());
                references.push_back(g);
            }
        for (size_t i = 0; i < lists.LL2.size(); ++i)
            if (keeps(lists.LL2[i]))
                others.push_back(i);
    }
    // The new number of a duplicate's group; a number outside the groups stays as it is.
    int Group(int group) const {
        return group >= 0 && static_cast<size_t>(group) < groupNumber.size()
                   ? groupNumber[static_cast<size_t>(group)]
                   : group;
    }
};

// The table rows holding a text that does not read back, their files added to `leftOut`.
std::vector<int> RowsLeftOut(const FileTable& table, std::set<std::string>& leftOut) {
    std::vector<int> rows;
    for (int row = 0; row < table.RowCount(); ++row) {
        const FileTable::Row cells = table.RowAt(row);
        if (std::all_of(cells.begin(), cells.end(), DumpKeepsCellText))
            continue;
        if (row == 0)
            throw EProjectLineError(
                *std::find_if_not(cells.begin(), cells.end(), DumpKeepsCellText));
        rows.push_back(row);
        leftOut.insert(table.FilePath(row));
    }
    return rows;
}

} // namespace

TextLines ProjectLines(const SearchChoices& choices, const ResultLists& lists,
                       const FileTable& table, const ColumnWidths& widths,
                       const TFormatSettings& formats, const LongWork& work,
                       std::vector<std::string>* leftOut) {
    TextLines lines = FolderBlockLines(choices);
    for (std::string& line : CriteriaLines(choices, formats))
        lines.push_back(std::move(line));
    std::set<std::string> left;
    const KeptEntries kept(lists, left);
    for (size_t count : {kept.references.size(), kept.duplicates.size(), kept.duplicates.size(),
                         kept.others.size()})
        lines.push_back(std::to_string(count));
    const auto add = [&](std::string entry) {
        work.KeepGoing();
        lines.push_back(std::move(entry));
    };
    for (size_t g : kept.references)
        add(std::string(lists.LBB1[g]));
    for (size_t i : kept.duplicates)
        add(std::to_string(kept.Group(i < lists.LL1.size() ? lists.LL1[i] : GroupList::NoGroup)));
    for (size_t i : kept.duplicates)
        add(std::string(lists.LBB2[i]));
    for (size_t i : kept.others)
        add(lists.LL2[i]);
    TextLines dump = DumpTable(table, widths, work, RowsLeftOut(table, left));
    lines.insert(lines.end(), std::make_move_iterator(dump.begin()),
                 std::make_move_iterator(dump.end()));
    if (leftOut)
        leftOut->assign(left.begin(), left.end());
    return lines;
}

namespace {

// The project whose criteria start at line `first`, the folders already in `current`.
Project ParseProjectFrom(const LinesOfText& lines, size_t first, const std::string& path,
                         const SearchChoices& current, const FileTable::Row& captions,
                         const LongWork& work) {
    Project project;
    project.choices = ParseCriteria(lines, first, current);
    const Header header(lines, first);

    size_t counts[4];
    size_t next = first + FirstEntry;
    for (size_t i = 0; i < 4; ++i) {
        const int count = header.Integer(CountLines + i);
        if (count < 0 || static_cast<size_t>(count) > lines.size() - std::min(next, lines.size()))
            throw EGridError("File contains no data or corrupt file " + path);
        counts[i] = static_cast<size_t>(count);
        next += counts[i];
    }
    if (counts[1] != counts[2])
        throw EGridError("File contains no data or corrupt file " + path);
    // Each section's lines, one after the other.
    next = first + FirstEntry;
    const auto section = [&](size_t i, const auto& take) {
        for (const size_t end = next + counts[i]; next < end; ++next) {
            work.KeepGoing();
            take(lines.View(next));
        }
    };
    section(0, [&](std::string_view line) { project.lists.LBB1.push_back(line); });
    std::vector<bool> hasMember(counts[0], false);
    section(1, [&](std::string_view line) {
        const std::string group(line);
        if (!IsGroupNumber(group, counts[0]))
            throw EGridError("File contains no data or corrupt file " + path);
        const auto number = static_cast<int>(std::stoul(group));
        hasMember[static_cast<size_t>(number)] = true;
        project.lists.LL1.push_back(number);
    });
    if (std::find(hasMember.begin(), hasMember.end(), false) != hasMember.end())
        throw EGridError("File contains no data or corrupt file " + path);
    section(2, [&](std::string_view line) { project.lists.LBB2.push_back(line); });
    section(3, [&](std::string_view line) { project.lists.LL2.emplace_back(line); });
    if (!lines.Has(next)) // a project always ends in its table's dump
        throw EGridError("File contains no data or corrupt file " + path);
    project.table.Reset(captions);
    UndumpTable(lines, next, path, project.table, project.widths, work);
    return project;
}

} // namespace

Project ParseProject(const LinesOfText& lines, const std::string& path,
                     const SearchChoices& current, const FileTable::Row& captions,
                     const LongWork& work) {
    if (!StartsLikeProject(lines))
        throw ENotAProjectError(path);
    SearchChoices folders = current;
    const std::optional<size_t> block = ReadFolderBlock(lines, 0, folders);
    if (!block || (*block > 0 && lines.Has(*block) && lines.View(*block) == FolderBlockMark))
        throw EGridError("File contains no data or corrupt file " + path);
    Project project = ParseProjectFrom(lines, *block, path, folders, captions, work);
    project.choices.folder = folders.folder;
    project.choices.folderRole = folders.folderRole;
    project.choices.moreFolders = std::move(folders.moreFolders);
    project.choices.exclusions = std::move(folders.exclusions);
    return project;
}

void SaveProject(const std::string& path, const TextLines& lines) { ReplaceTextLines(path, lines); }

Project LoadProject(const std::string& path, const SearchChoices& current,
                    const FileTable::Row& captions, const LongWork& work) {
    return ParseProject(ReadLinesOfText(path, LargestProject), path, current, captions, work);
}

} // namespace twinsweep
