// Random sequences of acts on a session over a small tree that also changes between acts.
// After every act the state must hold together: whole lists, sets that are the lists'
// classes, marks that leave each set a file, no file trashed without a copy left, and a
// refused act that changed nothing. Each sequence follows one seed; a failure prints it with
// the acts. TWINSWEEP_ACT_SEED replays one seed, telling each act as it runs;
// TWINSWEEP_ACT_SECONDS sets how long the sequences run (4 s by default); TWINSWEEP_ACT_TRACE
// names a file that holds the seed under way and the tally before it, for a run that
// crashes.
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "HeadlessHost.h"
#include "ProjectFile.h"
#include "Session.h"
#include "TestFolder.h"

namespace twinsweep {
namespace {

// Seeds whose sequences once failed, run before the random ones.
constexpr uint32_t FoundSeeds[] = {
    // A damaged project loaded a group without a duplicate.
    2243728045, 2182786814, 2936681832, 2061659485, 2258365314, 1019792104, 1563396643, 2281936691,
    3690227016, 1362641204, 2630977910, 2444898707, 2796421937, 1723055510, 1991173237, 2453597965,
    1531719312, 4212782799, 2962059686, 2917376452, 449128112, 4179093361, 3154567469, 2267614392,
    1492940503, 2377245641, 564254263, 1479537304, 3535132990, 619293700, 1106768635, 789778199,
    339770011, 292008585, 248586364, 3280989654, 2841799586, 3120359504, 3284047715, 2739478833,
    // A damaged project loaded other criteria, then a search found fewer files.
    1849966694, 2151584835, 3788395201, 3997647344, 780366906, 748097493, 1871633627, 3540745054,
    561193225, 1345052770, 2371694633, 2183303397, 2136836263,
    // A damaged project loaded a cell with a line break, then could not be saved.
    2563054721, 567333711, 3674710939, 1086659230,
    // A damaged project loaded rows that hold no file; saved again, it did not load.
    195316041};

// The time box counts from the start, the fixed seeds included.
const auto start = std::chrono::steady_clock::now();

struct Tally {
    size_t sequences = 0, acts = 0, failures = 0;
} tally;

// The summary, once every test ran.
class PrintTally : public testing::Environment {
public:
    void TearDown() override {
        std::cout << "sequences: " << tally.sequences << ", acts: " << tally.acts
                  << ", failures: " << tally.failures << std::endl;
    }
};
const auto* const printTally = testing::AddGlobalTestEnvironment(new PrintTally);

struct Failure {
    std::string what;
};

void Require(bool ok, const std::string& what) {
    if (!ok)
        throw Failure{what};
}

// Few contents, some of one size, so that most files have a copy.
const std::string Contents[] = {"", "same", "samf", "same", "0123456789", "x", "same"};
const std::string Folders[] = {"", "p/", "q/", "q/r s/", "o;d*d?/"};
const std::string OddNames[] = {"with space", "semi;colon", "star*", "what?", "bad\xff"};

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

using PathSets = std::set<std::set<std::string>>;

// Everything an act could change, to prove that a refused one changed nothing.
struct State {
    TextLines references, duplicates;
    std::vector<int> groups;
    int current1 = -1, current2 = -1;
    std::vector<bool> selected;
    std::vector<FileTable::Row> table;
    SearchChoices choices;
    std::set<std::string> marked;
    bool operator==(const State&) const = default;
};

class Sequence {
public:
    Sequence(uint32_t seed, bool tell) : random_(seed), folders_(seed ^ 0x5eedu), tell_(tell) {}

    // A tree searched and scanned, then the acts.
    void Run() {
        std::filesystem::create_directories(root_.path("trash"));
        std::filesystem::create_directories(root_.path("out"));
        const size_t files = 3 + Pick(23);
        for (size_t f = 0; f < files; ++f) {
            const std::vector<std::string> existing = TreeFiles();
            if (!existing.empty() && Chance(6))
                Link(existing[Pick(existing.size())]);
            else
                Write(NewName(), Contents[Pick(std::size(Contents))]);
        }
        SearchChoices choices;
        choices.folder = root_.path("tree");
        // Half the searches leave out *.tmp; half the trees have a protected folder inside:
        // searched once, never touched.
        if (folders_() % 2 == 0)
            choices.exclusions = {"*.tmp"};
        if (folders_() % 2 == 0) {
            const std::string folder = Folders[1 + folders_() % (std::size(Folders) - 1)];
            choices.moreFolders.push_back(
                {root_.path("tree/" + folder.substr(0, folder.size() - 1)), FolderRole::Protected});
        }
        session_.SetChoices(choices);
        session_.ShowAllSets(true);
        firstChoices_ = session_.Choices();
        Act("search, scan");
        fresh_ = session_.SearchAndWait(host_);
        Require(session_.Scan(), "the first scan stopped");
        CheckScanOfTree();
        CheckAll();
        for (size_t acts = 20 + Pick(21); acts > 0; --acts) {
            RandomAct();
            CheckAll();
        }
    }

    const std::vector<std::string>& Acts() const { return acts_; }

private:
    size_t Pick(size_t n) { return n == 0 ? 0 : random_() % n; }
    // Below a protected folder of the session's criteria, which a project may change.
    bool IsProtected(std::string_view path) const {
        for (const SearchFolder& folder : AllFolders(session_.Choices()))
            if (folder.role == FolderRole::Protected && path.starts_with(folder.path + "/"))
                return true;
        return false;
    }
    bool Chance(size_t oneIn) { return random_() % oneIn == 0; }

    void Act(const std::string& what) {
        acts_.push_back(what);
        if (tell_)
            std::cout << acts_.size() << ". " << what << std::endl;
    }

    // A path as the acts tell it: inside the test's folder, other bytes escaped.
    std::string Shown(const std::string& path) const {
        std::string shown;
        for (const char c : path.substr(path.starts_with(root_.path()) ? root_.path().size() : 0))
            if (c >= ' ' && c <= '~') {
                shown += c;
            } else {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(c));
                shown += escaped;
            }
        return shown;
    }
    std::string Shown(const PathSets& sets) const {
        std::string shown;
        for (const auto& set : sets) {
            shown += " {";
            for (const std::string& path : set)
                shown += " " + Shown(path);
            shown += " }";
        }
        return shown;
    }

    // The tree.

    std::string NewName() {
        const std::string name = Chance(4) ? OddNames[Pick(std::size(OddNames))] : "f";
        return root_.path("tree/" + Folders[Pick(std::size(Folders))] + name +
                          std::to_string(named_++) + (folders_() % 6 == 0 ? ".tmp" : ""));
    }
    void Write(const std::string& path, const std::string& content) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << content;
    }
    void Link(const std::string& existing) {
        const std::string path = NewName();
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        Require(::link(existing.c_str(), path.c_str()) == 0, "cannot link " + Shown(path));
    }
    // The files a search with the first criteria finds.
    std::vector<std::string> TreeFiles() const {
        const bool tmpExcluded = !firstChoices_.exclusions.empty();
        std::vector<std::string> files;
        if (std::filesystem::exists(root_.path("tree")))
            for (const auto& entry :
                 std::filesystem::recursive_directory_iterator(root_.path("tree")))
                if (entry.is_regular_file() &&
                    !(tmpExcluded && entry.path().string().ends_with(".tmp")))
                    files.push_back(entry.path().string());
        std::sort(files.begin(), files.end());
        return files;
    }

    void ChangeTree() {
        fresh_ = false;
        ++treeChanges_;
        const std::vector<std::string> files = TreeFiles();
        const std::string content = Contents[Pick(std::size(Contents))];
        if (files.empty() || Chance(4)) {
            const std::string path = NewName();
            Act("tree: add " + Shown(path));
            Write(path, content);
            return;
        }
        const std::string& file = files[Pick(files.size())];
        switch (Pick(3)) {
        case 0:
            Act("tree: remove " + Shown(file));
            std::filesystem::remove(file);
            break;
        case 1:
            Act("tree: rewrite " + Shown(file));
            Write(file, content == ReadFile(file) ? content + "!" : content);
            break;
        default:
            Act("tree: hard link to " + Shown(file));
            Link(file);
        }
    }

    // The trash: each file moves out of the tree and its bytes are kept. Now and then the
    // trash refuses a file.
    TrashFile Trash() {
        return [this](const std::string& path, std::string& error) {
            Require(!IsProtected(path), "the trash was handed the protected " + Shown(path));
            if (Chance(8)) {
                error = "refused";
                return false;
            }
            const std::string bytes = ReadFile(path);
            const std::string to = root_.path("trash/" + std::to_string(trashed_++));
            if (std::rename(path.c_str(), to.c_str()) != 0) {
                error = "cannot move";
                return false;
            }
            went_.push_back({path, bytes});
            ++treeChanges_;
            return true;
        };
    }

    // Every file that went left a file with its bytes in the tree and left the lists.
    void CheckTrash(const TrashOutcome& outcome) {
        std::set<std::string> contents;
        for (const std::string& file : TreeFiles())
            contents.insert(ReadFile(file));
        std::set<std::string> listed;
        const ResultLists& lists = session_.Lists();
        for (const PathList* list : {&lists.LBB1, &lists.LBB2})
            for (size_t i = 0; i < list->size(); ++i)
                listed.emplace((*list)[i]);
        int64_t bytes = 0;
        for (const auto& [path, content] : went_) {
            Require(contents.count(content), Shown(path) + " went with no copy left");
            Require(!listed.count(path), Shown(path) + " went but is still listed");
            bytes += static_cast<int64_t>(content.size());
        }
        Require(outcome.moved.files == went_.size() && outcome.moved.bytes == bytes,
                "the trash's tally is not what went");
        went_.clear();
    }

    // The session.

    State Snapshot() {
        State state;
        const ResultLists& lists = session_.Lists();
        state.references = lists.LBB1.Texts();
        state.duplicates = lists.LBB2.Texts();
        state.groups.assign(lists.LL1.begin(), lists.LL1.end());
        state.current1 = lists.current1;
        state.current2 = lists.current2;
        for (size_t i = 0; i < lists.LBB2.size(); ++i)
            state.selected.push_back(lists.IsSelected(i));
        for (int row = 0; row < session_.Table().RowCount(); ++row)
            state.table.push_back(session_.Table().RowAt(row));
        state.choices = session_.Choices();
        for (const DuplicateSet& set : session_.Sets())
            for (const SetMember& member : set.members)
                if (member.marked)
                    state.marked.emplace((*session_.Paths())[member.path]);
        return state;
    }

    // The sets as the lists define them: each group's reference joined with its members,
    // the classes of two or more paths.
    PathSets ClassesOfLists() const {
        const ResultLists& lists = session_.Lists();
        std::map<PathStore::Id, PathStore::Id> parent;
        const auto find = [&parent](PathStore::Id id) {
            while (parent.try_emplace(id, id).first->second != id)
                id = parent[id];
            return id;
        };
        for (size_t i = 0; i < lists.LBB2.size(); ++i) {
            const PathStore::Id a = find(lists.LBB1.IdAt(static_cast<size_t>(lists.LL1[i])));
            const PathStore::Id b = find(lists.LBB2.IdAt(i));
            parent[std::max(a, b)] = std::min(a, b);
        }
        std::map<PathStore::Id, std::set<std::string>> classes;
        for (const auto& [id, ignored] : parent)
            classes[find(id)].emplace((*lists.paths)[id]);
        PathSets sets;
        for (const auto& [root, paths] : classes)
            if (paths.size() > 1)
                sets.insert(paths);
        return sets;
    }

    // The sets of identical files in the tree: the paths of one content that name two or
    // more files; empty files are never compared.
    PathSets ClassesOfTree() const {
        std::map<std::string, std::set<std::string>> paths;
        std::map<std::string, std::set<ino_t>> files;
        for (const std::string& path : TreeFiles()) {
            const std::string content = ReadFile(path);
            struct stat info {};
            if (content.empty() || ::stat(path.c_str(), &info) != 0)
                continue;
            paths[content].insert(path);
            files[content].insert(info.st_ino);
        }
        PathSets sets;
        for (const auto& [content, inodes] : files)
            if (inodes.size() > 1)
                sets.insert(paths[content]);
        return sets;
    }

    PathSets SessionSets() {
        PathSets sets;
        size_t members = 0;
        for (const DuplicateSet& set : session_.Sets()) {
            std::set<std::string> paths;
            bool keepsOne = false;
            for (const SetMember& member : set.members) {
                const std::string path((*session_.Paths())[member.path]);
                Require(member.isProtected == IsProtected(path) &&
                            !(member.isProtected && member.marked),
                        "a protected file is marked or not known as one: " + Shown(path));
                paths.insert(path);
                keepsOne = keepsOne || !member.marked;
            }
            Require(keepsOne, "every file of a set is marked:" + Shown(PathSets{paths}));
            members += set.members.size();
            sets.insert(std::move(paths));
        }
        size_t paths = 0;
        for (const auto& set : sets)
            paths += set.size();
        Require(paths == members, "a path is in two sets or twice in one");
        return sets;
    }

    void CheckAll() {
        const std::string fault = session_.ListsFault();
        Require(fault.empty(), "the lists are not whole: " + fault);
        const PathSets sets = SessionSets(), classes = ClassesOfLists();
        Require(sets == classes,
                "the sets" + Shown(sets) + " are not the lists' classes" + Shown(classes));
    }

    void RandomAct() {
        const ResultLists& lists = session_.Lists();
        switch (Pick(22)) {
        case 0:
        case 1:
            return Search();
        case 2:
        case 3:
        case 4:
            return Scan();
        case 5:
            return ChooseReference(static_cast<int>(Pick(lists.LBB1.size() + 1)) - 1);
        case 6:
            return ChooseDuplicate(static_cast<int>(Pick(lists.LBB2.size() + 1)) - 1);
        case 7:
            return ChooseTwice();
        case 8:
            return Select();
        case 9:
            return Swap();
        case 10:
            Act("trash the selected duplicates");
            fresh_ = false;
            return CheckTrash(session_.TrashSelected(Trash()));
        case 11:
            return KeepOne();
        case 12:
        case 13:
            return Mark();
        case 14:
            Act("clear the marks");
            return session_.ClearMarks();
        case 15:
            Act("trash the marked files");
            fresh_ = false;
            return CheckTrash(session_.TrashMarked(Trash()));
        case 16:
            return Export();
        case 17:
            return Save();
        case 18:
            return Load();
        case 19:
            return LoadDamaged();
        default:
            return ChangeTree();
        }
    }

    // A search, cancelled after some files or not. With the first criteria it finds the
    // whole tree.
    void Search() {
        const size_t files = TreeFiles().size();
        const size_t stopAfter = Chance(2) ? SIZE_MAX : 1 + Pick(files + 1);
        Act(stopAfter == SIZE_MAX
                ? "search"
                : "search, cancelled after " + std::to_string(stopAfter) + " files");
        const bool complete = session_.SearchAndWait(host_, stopAfter);
        const auto found = static_cast<size_t>(session_.Table().FileCount());
        Require(complete ? found < stopAfter : found == stopAfter,
                "a search ended with " + std::to_string(found) + " files found");
        fresh_ = complete && session_.Choices() == firstChoices_;
        Require(!fresh_ || found == files, "a search found " + std::to_string(found) + " of " +
                                               std::to_string(files) + " files");
    }

    // A scan, cancelled at some keepGoing call or not, and often resumed at once.
    void Scan() {
        for (bool done = false; !done;) {
            const int stopAt = Chance(2) ? 1 + static_cast<int>(Pick(12)) : 0;
            int calls = 0;
            Act(stopAt ? "scan, cancelled at keepGoing call " + std::to_string(stopAt) : "scan");
            done = session_.Scan(LongWork([&] { return stopAt == 0 || ++calls < stopAt; }));
            Require(done || stopAt, "a scan without a cancel stopped");
            Require(done == (session_.Table().FileCount() == 0),
                    "a scan ended with rows left, or stopped without");
            if (done)
                CheckScanOfTree();
            else if (Chance(2))
                return;
            CheckAll();
        }
    }

    // Once a search of the tree as it is has been scanned to the end, the sets are the
    // tree's classes of identical files.
    void CheckScanOfTree() {
        if (!fresh_ || session_.Table().FileCount() != 0)
            return;
        const PathSets sets = SessionSets(), classes = ClassesOfTree();
        Require(sets == classes,
                "the scan found" + Shown(sets) + ", not the tree's classes" + Shown(classes));
        const ResultLists& lists = session_.Lists();
        for (size_t i = 0; i < lists.LBB2.size(); ++i) {
            const std::string reference(lists.LBB1[static_cast<size_t>(lists.LL1[i])]);
            Require(!IsProtected(lists.LBB2[i]) || IsProtected(reference),
                    "the protected " + Shown(std::string(lists.LBB2[i])) + " has the reference " +
                        Shown(reference));
        }
    }

    void ChooseReference(int row) {
        Act("choose reference " + std::to_string(row));
        session_.SetCurrentReference(row);
        session_.SelectGroup();
    }
    void ChooseDuplicate(int row) {
        Act("choose duplicate " + std::to_string(row));
        session_.SetCurrentDuplicate(row);
        session_.FollowUp();
    }
    void ChooseTwice() {
        const ResultLists& lists = session_.Lists();
        const bool reference = Chance(2);
        const size_t entries = reference ? lists.LBB1.size() : lists.LBB2.size();
        const int row = entries == 0 ? -1 : static_cast<int>(Pick(entries));
        reference ? ChooseReference(row) : ChooseDuplicate(row);
        const State once = Snapshot();
        reference ? ChooseReference(row) : ChooseDuplicate(row);
        Require(Snapshot() == once, "choosing the same entry again changed the state");
    }

    void Select() {
        const size_t duplicates = session_.Lists().LBB2.size();
        for (size_t n = 1 + Pick(3); n > 0 && duplicates > 0; --n) {
            const size_t row = Pick(duplicates);
            const bool selected = !Chance(3);
            Act((selected ? "select duplicate " : "unselect duplicate ") + std::to_string(row));
            session_.SetSelected(row, selected);
        }
    }

    // A swap of the entries chosen just before, in either order: a duplicate chosen last
    // brings its own group, a reference chosen last may be of another group.
    void Swap() {
        const ResultLists& lists = session_.Lists();
        if (!Chance(4)) {
            const bool referenceLast = Chance(2);
            if (!referenceLast)
                ChooseReference(static_cast<int>(Pick(lists.LBB1.size() + 1)) - 1);
            ChooseDuplicate(static_cast<int>(Pick(lists.LBB2.size() + 1)) - 1);
            if (referenceLast)
                ChooseReference(static_cast<int>(Pick(lists.LBB1.size() + 1)) - 1);
        }
        Act("swap reference and duplicate");
        const State before = Snapshot();
        try {
            session_.SwapReferenceAndDuplicate();
            fresh_ = false;
        } catch (const EListError&) {
            Require(Snapshot() == before, "a swap that raised changed the state");
        }
    }

    void KeepOne() {
        static const char* const rules[] = {"newest", "oldest", "shortest path", "inside "};
        const auto rule = static_cast<KeepRule>(Pick(4));
        std::string folder;
        if (rule == KeepRule::InsideFolder) {
            folder = root_.path("tree/" + Folders[Pick(std::size(Folders))]);
            if (folder.size() > 1 && Chance(2))
                folder.pop_back();
        }
        Act(std::string("keep one: ") + rules[static_cast<int>(rule)] + Shown(folder));
        session_.MarkAllButOne(rule, folder);
    }

    void Mark() {
        const std::vector<DuplicateSet>& sets = session_.Sets();
        const size_t set = Pick(sets.size() + 1); // one past the last now and then
        const size_t member = set < sets.size() ? Pick(sets[set].members.size() + 1) : 0;
        const bool marked = !Chance(3);
        Act((marked ? "mark " : "unmark ") + std::to_string(set) + "." + std::to_string(member));
        const State before = Snapshot();
        if (!session_.SetMark(set, member, marked))
            Require(Snapshot() == before, "a refused mark changed the state");
    }

    void Export() {
        const std::string file = root_.path(Chance(2) ? "out/sets.csv" : "out/sets.json");
        Act("export to " + Shown(file));
        session_.ExportSets(file);
    }

    struct Saved {
        std::string file;
        State state;
        bool fresh;
        size_t treeChanges;
    };

    void Save() {
        Saved saved{root_.path("out/" + std::to_string(saved_.size()) + ".twinsweep"), Snapshot(),
                    fresh_, treeChanges_};
        Act("save " + Shown(saved.file));
        std::vector<std::string> leftOut;
        try {
            leftOut = session_.SaveProject(saved.file, DefaultColumnWidths);
        } catch (const EProjectLineError&) {
            // A damaged project loaded criteria with a line break.
            Require(!std::filesystem::exists(saved.file) && Snapshot() == saved.state,
                    "a project that could not be saved changed something");
            return;
        }
        // A damaged project loaded a name with a line break: saved without it, the project
        // is not this state.
        if (leftOut.empty())
            saved_.push_back(std::move(saved));
    }

    // A project loads its lists, table and criteria as saved, with nothing current,
    // selected or marked; a scan resumes it as if it had never been saved.
    void Load() {
        if (saved_.empty())
            Save();
        if (saved_.empty())
            return;
        const Saved& saved = saved_[Pick(saved_.size())];
        Act("load " + Shown(saved.file));
        session_.LoadProject(saved.file);
        fresh_ = saved.fresh && saved.treeChanges == treeChanges_;
        State expected = saved.state;
        expected.current1 = expected.current2 = -1;
        expected.selected.assign(expected.duplicates.size(), false);
        expected.marked.clear();
        State loaded = Snapshot();
        loaded.table[0] = expected.table[0]; // the table keeps its headings
        Require(loaded == expected, "a project did not load as it was saved");
    }

    // Cuts the text short, changes some of its bytes (often to one the format reads) or a
    // digit, or drops or repeats a line; says how.
    std::string Damage(std::string& text) {
        if (text.find("\r\n") == std::string::npos)
            return "none";
        std::string how;
        switch (Pick(4)) {
        case 0:
            text.resize(Pick(text.size()));
            return "cut to " + std::to_string(text.size()) + " bytes";
        case 1:
            for (size_t n = 1 + Pick(3); n > 0; --n) {
                const size_t at = Pick(text.size());
                static const char meaningful[] = "\b\t\r\n,-0 ";
                text[at] = Chance(2) ? meaningful[Pick(sizeof meaningful - 1)]
                                     : static_cast<char>(random_());
                how += (how.empty() ? "byte " : ", byte ") + std::to_string(at) + "=" +
                       std::to_string(static_cast<unsigned char>(text[at]));
            }
            return how;
        case 2: {
            std::vector<size_t> digits;
            for (size_t at = 0; at < text.size(); ++at)
                if (std::isdigit(static_cast<unsigned char>(text[at])))
                    digits.push_back(at);
            if (digits.empty())
                return "none";
            const size_t at = digits[Pick(digits.size())];
            text[at] = static_cast<char>('0' + Pick(10));
            return "byte " + std::to_string(at) + "=" + text[at];
        }
        default: {
            std::vector<std::string> lines;
            for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos;
                 at = end + 2)
                lines.push_back(text.substr(at, end + 2 - at));
            const size_t line = Pick(lines.size()), other = Pick(lines.size());
            const bool drop = Chance(2);
            if (drop)
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(line));
            else
                lines[line] = lines[other];
            text.clear();
            for (const std::string& kept : lines)
                text += kept;
            return drop ? "line " + std::to_string(line) + " dropped"
                        : "line " + std::to_string(line) + " as line " + std::to_string(other);
        }
        }
    }

    // A saved project cut short or with some bytes changed: it loads, or it raises and
    // changes nothing.
    void LoadDamaged() {
        if (saved_.empty())
            Save();
        if (saved_.empty())
            return;
        const Saved& saved = saved_[Pick(saved_.size())];
        // The test's folder, whose name differs from run to run, is left out of the choice.
        const std::string folder = root_.path(), stand = "\x01";
        std::string text = Replaced(ReadFile(saved.file), folder, stand);
        const std::string how = Damage(text);
        text = Replaced(text, stand, folder);
        const std::string file = root_.path("out/damaged.twinsweep");
        Write(file, text);
        Act("load " + Shown(saved.file) + " damaged: " + how);
        const State before = Snapshot();
        try {
            session_.LoadProject(file);
            fresh_ = false;
        } catch (const Exception&) {
            Require(Snapshot() == before, "a project that did not load changed the state");
        }
    }

    std::mt19937 random_;
    std::mt19937 folders_; // the folders, exclusions and .tmp names, apart from the acts
    bool tell_;
    TestFolder root_;
    HeadlessHost host_;
    Session session_{host_};
    std::vector<std::string> acts_;
    size_t named_ = 0, trashed_ = 0, treeChanges_ = 0;
    std::vector<std::pair<std::string, std::string>> went_; // path, bytes
    std::vector<Saved> saved_;
    SearchChoices firstChoices_; // a damaged project may load others
    bool fresh_ = false;         // the lists are a scan of a search of the tree as it is
};

// Runs one seed's sequence; a failure names the seed and the acts.
void RunSeed(uint32_t seed, bool tell) {
    if (const char* trace = std::getenv("TWINSWEEP_ACT_TRACE"))
        std::ofstream(trace) << seed << " " << tally.sequences << " " << tally.acts << " "
                             << tally.failures << "\n";
    ++tally.sequences;
    std::string failure;
    Sequence sequence(seed, tell);
    try {
        sequence.Run();
    } catch (const Failure& f) {
        failure = f.what;
    } catch (const std::exception& e) {
        failure = std::string("the act raised: ") + e.what();
    }
    const std::vector<std::string>& acts = sequence.Acts();
    tally.acts += acts.size();
    if (failure.empty())
        return;
    ++tally.failures;
    std::string listed;
    for (size_t i = 0; i < acts.size(); ++i)
        listed += "\n  " + std::to_string(i + 1) + ". " + acts[i];
    ADD_FAILURE() << "failing seed " << seed << " (replay: TWINSWEEP_ACT_SEED=" << seed
                  << "): " << failure << "\nacts:" << listed;
}

TEST(ActSequences, SeedsThatOnceFailed) {
    if (std::getenv("TWINSWEEP_ACT_SEED"))
        GTEST_SKIP();
    for (const uint32_t seed : FoundSeeds)
        RunSeed(seed, false);
}

TEST(ActSequences, RandomSeedsForAWhile) {
    if (const char* seed = std::getenv("TWINSWEEP_ACT_SEED")) {
        RunSeed(static_cast<uint32_t>(std::strtoul(seed, nullptr, 10)), true);
        return;
    }
    const char* seconds = std::getenv("TWINSWEEP_ACT_SECONDS");
    const auto budget = std::chrono::duration<double>(seconds ? std::atof(seconds) : 4.0);
    std::random_device device;
    for (int runs = 0; runs < 10 || std::chrono::steady_clock::now() - start < budget; ++runs)
        RunSeed(device(), false);
}

} // namespace
} // namespace twinsweep
