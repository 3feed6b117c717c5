// Finds the identical files below folders with the program's own session (threaded
// search of every file, table sorted by size, duplicate scan) and prints the result lists:
//   scan-folder [--times] [--stats] FOLDER... [--protect FOLDER]... [--exclude PATTERN]...
//               [--save FILE] [--export FILE]
//               [--keep newest|oldest|shortest|in:FOLDER --replace clone|hardlink|trash
//               [--dry-run]]
//   scan-folder --load FILE
// Output: the sizes of LBB1, LL1, LBB2 and LL2, then their entries in that order, one per
// line, each line ending in CR LF: lines 18 onwards of a project file, without the table's
// dump. --times adds the time of each step on stderr; --stats the bytes of all files in
// runs of two or more equal sizes (the candidates) and the bytes read from them, and the
// files that could not be read and folders that could not be listed, counted and named
// one a line ("unreadable: PATH", "unlisted: FOLDER"). --save
// writes the project file a fresh main window would save after that search and scan, and
// names on stderr each file left out of it ("left out of the project: NAME");
// --export writes the sets of identical files to FILE, as CSV or JSON by its extension
// (SetsExport.h). --protect names a folder whose files are never marked or trashed (also
// searched when it is none of the FOLDERs); --exclude leaves out matching folders and files
// (SearchFolders.h). --keep marks every file of each set but the one the rule keeps, and
// --replace then replaces each marked file by a clone of or a hard link to a kept copy, or
// moves it to the trash, each checked right before (--dry-run acts on nothing); after the
// lists, a line per file that stayed ("failed: PATH: why", as the window words it) and the summary
// line "replaced: N, kept: K, failed: F, freed: BYTES" (K: the files the rule kept, protected ones
// included). The options may come in any order around the folders.
// --load reads a project file and prints its lines 18 onwards as a save would write them
// again, the dump included, or the error that refuses it, with exit status 1.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <sys/stat.h>

#include "BenchTree.h"
#include "CommandLine.h"
#include "HeadlessHost.h"
#include "KeepReasonKeys.h"
#include "OpenFileLimit.h"
#include "PacedWork.h"
#include "Paths.h"
#include "ProjectFile.h"
#include "Session.h"
#include "Shell.h"
#include "WindowStringTables.h"

using namespace twinsweep;
using namespace twinsweep::bench;

namespace {

int Usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s [--times] [--stats] FOLDER... [--protect FOLDER]... "
                 "[--exclude PATTERN]... [--save FILE] [--export FILE]\n"
                 "       [--keep newest|oldest|shortest|in:FOLDER "
                 "--replace clone|hardlink|trash [--dry-run]]\n"
                 "       %s --load FILE\n",
                 program, program);
    return 2;
}

bool IsFolder(const char* path) {
    struct stat info {};
    return ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

void PutLine(std::string_view line) {
    fwrite_unlocked(line.data(), 1, line.size(), stdout);
    fwrite_unlocked("\r\n", 1, 2, stdout);
}

void Print(const ResultLists& lists) {
    for (size_t count : {lists.LBB1.size(), lists.LL1.size(), lists.LBB2.size(), lists.LL2.size()})
        PutLine(std::to_string(count));
    for (size_t i = 0; i < lists.LBB1.size(); ++i)
        PutLine(lists.LBB1[i]);
    for (size_t i = 0; i < lists.LL1.size(); ++i)
        PutLine(lists.LL1.Text(i));
    for (size_t i = 0; i < lists.LBB2.size(); ++i)
        PutLine(lists.LBB2[i]);
    for (const std::string& line : lists.LL2)
        PutLine(line);
}

// The criteria of a fresh main window searching `folders`, the first in its folder field:
// its bounds hold today's date and the time it started.
SearchChoices FreshWindowChoices(const std::vector<SearchFolder>& folders,
                                 const TextLines& exclusions) {
    SearchChoices choices;
    choices.folder = folders.front().path;
    choices.folderRole = folders.front().role;
    choices.moreFolders.assign(folders.begin() + 1, folders.end());
    choices.exclusions = exclusions;
    choices.after.date = choices.after.time = choices.before.date = choices.before.time = Now();
    return choices;
}

// The table's captions in the first language, as a fresh main window shows them.
FileTable::Row Captions() {
    const TStringTable texts = LoadWindowStringTable("TForm1");
    return {texts.GetKeyText("IDS_0"), texts.GetKeyText("IDS_1"), texts.GetKeyText("IDS_2"),
            texts.GetKeyText("IDS_3")};
}

// Marks by the rule, then replaces or trashes the marked files (or, dry, only counts them).
void MarkAndReplace(Session& session, KeepRule rule, const std::string& folder,
                    std::string_view how, bool dry) {
    session.MarkAllButOne(rule, folder);
    size_t kept = 0;
    for (const DuplicateSet& set : session.Sets())
        for (const SetMember& member : set.members)
            kept += member.marked ? 0 : 1;
    TrashOutcome outcome;
    if (dry)
        outcome.moved = session.MarkedFiles();
    else if (how == "trash")
        outcome = session.TrashMarked(
            [](const std::string& path, std::string& error) { return MoveToTrash(path, &error); });
    else
        outcome =
            session.ReplaceMarked(how == "clone" ? Replacement::Clone : Replacement::HardLink);
    const TStringTable texts = LoadWindowStringTable("TForm1");
    for (const KeptDuplicate& file : outcome.kept)
        PutLine(
            "failed: " + file.path + ": " +
            FormatMessage(texts.GetKeyText(KeepReasonKey(file.reason, CheckedAgainst::KeptCopy)),
                          {file.detail}));
    PutLine("replaced: " + std::to_string(outcome.moved.files) + ", kept: " + std::to_string(kept) +
            ", failed: " + std::to_string(outcome.kept.size()) +
            ", freed: " + std::to_string(outcome.moved.bytes));
}

int LoadAndPrint(const std::string& path) {
    try {
        const Project project = LoadProject(path, {}, Captions());
        const TextLines lines =
            ProjectLines(project.choices, project.lists, project.table, project.widths, {});
        for (size_t i = 18; i < lines.size(); ++i)
            PutLine(lines[i]);
    } catch (const Exception& e) {
        PutLine(e.what());
        std::fflush(stdout);
        return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    RaiseOpenFileLimit();
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    if (argc == 3 && std::strcmp(argv[1], "--load") == 0)
        return LoadAndPrint(argv[2]);
    const char *save = nullptr, *exported = nullptr;
    TextLines searched, protectedFolders, exclusions;
    bool times = false, stats = false, dry = false;
    std::string keepFolder;
    std::optional<KeepRule> keep;
    std::string_view replace;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--times")
            times = true;
        else if (arg == "--stats")
            stats = true;
        else if ((arg == "--save" || arg == "--export") && i + 1 < argc)
            (arg == "--save" ? save : exported) = argv[++i];
        else if (arg == "--protect" && i + 1 < argc)
            protectedFolders.push_back(argv[++i]);
        else if (arg == "--exclude" && i + 1 < argc)
            exclusions.push_back(argv[++i]);
        else if (arg == "--keep" && i + 1 < argc && (keep = KeepRuleOf(argv[++i], keepFolder)))
            continue;
        else if (arg == "--replace" && i + 1 < argc)
            replace = argv[++i];
        else if (arg == "--dry-run")
            dry = true;
        else if (arg.starts_with("--"))
            return Usage(argv[0]);
        else
            searched.push_back(argv[i]);
    }
    const std::vector<SearchFolder> folders = FoldersWithProtection(searched, protectedFolders);
    const bool replaces = replace == "clone" || replace == "hardlink" || replace == "trash";
    if (bool(keep) != replaces || (!replace.empty() && !replaces) || (dry && !keep))
        return Usage(argv[0]);
    if (folders.empty() || !std::all_of(folders.begin(), folders.end(), [](const SearchFolder& f) {
            return IsFolder(f.path.c_str());
        }))
        return Usage(argv[0]);
    try {
        HeadlessHost host;
        Session session(host);
        session.SetChoices(FreshWindowChoices(folders, exclusions));
        session.SetCaptions(Captions());
        const auto start = Clock::now();
        session.SearchAndWait(host);
        if (const auto& failure = session.SearchFailure())
            throw Exception("search failed: " + *failure);
        const auto searched = Clock::now();
        const int files = session.Table().FileCount();
        session.Scan(PacedWork(host));
        const ScanStats& read = session.Scanned();
        const auto scanned = Clock::now();
        Print(session.Lists());
        if (keep)
            MarkAndReplace(session, *keep, keepFolder, replace, dry);
        if (save)
            for (const std::string& name : session.SaveProject(save, DefaultColumnWidths))
                std::fprintf(stderr, "left out of the project: %s\n", OnOneLine(name).c_str());
        if (exported)
            session.ExportSets(exported);
        if (std::fflush(stdout) != 0) {
            std::perror("stdout");
            return 1;
        }
        if (times)
            std::fprintf(stderr, "files %d, search and sort %.3f s, scan %.3f s, print %.3f s\n",
                         files, Seconds(searched - start), Seconds(scanned - searched),
                         Seconds(Clock::now() - scanned));
        if (stats) {
            std::fprintf(stderr,
                         "candidate bytes %lld, bytes read %lld, unreadable files %zu, "
                         "unlisted folders %zu\n",
                         static_cast<long long>(read.candidateBytes),
                         static_cast<long long>(read.bytesRead), read.unreadable.size(),
                         session.UnlistedFolders().size());
            for (const std::string& path : read.unreadable)
                std::fprintf(stderr, "unreadable: %s\n", path.c_str());
            for (const std::string& folder : session.UnlistedFolders())
                std::fprintf(stderr, "unlisted: %s\n", folder.c_str());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 1;
    }
    return 0;
}
