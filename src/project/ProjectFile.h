#pragma once
// The project file: the whole working state of the main window in one text file, one value
// per line, position giving each line its meaning.
//   0-17  the criteria (sub-folders, extension filter and text, date range, the after
//         bounds, the before bounds, the four attributes, the size bounds)
//   18-21 the entry counts of LBB1, LL1, LBB2, LL2
//   then  the entries of LBB1, LL1, LBB2 and LL2, then the table's dump to the end
// A search of more than one folder, with a protected folder or an exclusion, puts the
// folders' lines (FolderBlock.h) before line 0.
// A file is read whole and checked before anything of it is used: a damaged file changes
// nothing. Its lines are split as the reading reaches them, so a damaged file is refused at
// its first bad line without splitting the rest.
#include <string>

#include "FindDuplicates.h"
#include "ResultLists.h"
#include "TableDump.h"

namespace twinsweep {

// A text that cannot be written as one line of a project: it would load back otherwise.
class EProjectLineError : public Exception {
public:
    explicit EProjectLineError(std::string text)
        : Exception("A project cannot hold a line break: " + text), text(std::move(text)) {}
    std::string text;
};

// A file that does not start as any project does, such as a picture.
class ENotAProjectError : public Exception {
public:
    explicit ENotAProjectError(std::string path)
        : Exception("\"" + path + "\" is not a Twinsweep project"), path(std::move(path)) {}
    std::string path;
};

// The size bounds' largest value, in kilobytes (a pebibyte).
inline constexpr int64_t MaxSizeKB = int64_t{1} << 40;

struct Project {
    SearchChoices choices; // the folder only when the project names its folders
    ResultLists lists;     // the entries only: nothing current, nothing selected
    FileTable table;
    ColumnWidths widths = DefaultColumnWidths;
};

inline constexpr size_t CriteriaLineCount = 18;

// Lines 0-17 of a project: the criteria but the folder. Raises EProjectLineError for an
// extension holding a line break.
TextLines CriteriaLines(const SearchChoices& choices, const TFormatSettings& formats);
// The criteria of lines 0-17 counted from `first`, starting from `current` as ParseProject
// does; raises as it does for those lines.
SearchChoices ParseCriteria(const LinesOfText& lines, size_t first, const SearchChoices& current);

// The lines of a project. A list entry or a table row holding a line break is left out, with
// the set it leads, and a set left without duplicates; the texts left out go to `leftOut`,
// sorted, each once. Raises EProjectLineError for the extension, a folder, an exclusion or
// a caption holding a line break.
TextLines ProjectLines(const SearchChoices& choices, const ResultLists& lists,
                       const FileTable& table, const ColumnWidths& widths,
                       const TFormatSettings& formats, const LongWork& work = {},
                       std::vector<std::string>* leftOut = nullptr);

// A project's lines taken apart. The criteria start from `current` (dates keep their time of
// day, times their date, the folder stays) and the table from `captions` with two rows.
// Raises ENotAProjectError when the first line is not a short text (1 to 16 characters) of
// printable ASCII: every project starts with the sub-folders check box, "0" or "1", while a
// binary file rarely has such a line before its first NUL, where the reading stops.
// Otherwise raises, for the first line in file order that is wrong: EListError "List index out of
// bounds (%d)" for a missing line among 0-21, EConvertError for a number, date or time that
// is none, EGridError "File contains no data or corrupt file " + path when the counts do
// not fit the file, LL1 and LBB2 differ in length, an LL1 entry is no group of LBB1, a
// group of LBB1 has no entry in LL1, or the dump is damaged.
Project ParseProject(const LinesOfText& lines, const std::string& path,
                     const SearchChoices& current, const FileTable::Row& captions,
                     const LongWork& work = {});

// The largest project file read. A saved file takes a table row (about 50 bytes besides
// its name and folder) and, in a set, a list line with its path and one with its group:
// about 2 x path + 60 bytes. 8 GiB hold 10 million such entries with paths of up to 400
// bytes on average, several times what real trees have; a larger file is refused at once
// (EFOpenError, "File too large") instead of being read for minutes.
inline constexpr size_t LargestProject = size_t{8} << 30;

// The project in a file: written whole or not at all (the old file stays), read whole if
// it is no larger than LargestProject.
void SaveProject(const std::string& path, const TextLines& lines);
Project LoadProject(const std::string& path, const SearchChoices& current,
                    const FileTable::Row& captions, const LongWork& work = {});

} // namespace twinsweep
