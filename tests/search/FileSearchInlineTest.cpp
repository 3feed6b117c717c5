#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/resource.h>

#include "DirectoryListing.h"
#include "EnvironmentVariable.h"
#include "FileSearch.h"
#include "HeadlessHost.h"
#include "SearchRecorder.h"
#include "SearchTree.h"

using namespace twinsweep;
using Paths = std::set<std::string>;

namespace {

class InlineSearch : public ::testing::Test {
protected:
    void SetUp() override { search.SetLocation(tree.root()); }
    Paths Run() {
        recorder.events.clear();
        recorder.entries.clear();
        search.Execute();
        return recorder.found();
    }
    void OnFoundAlso(std::function<void(TFileSearch&)> extra) {
        ChainOnFound(search, std::move(extra));
    }

    HeadlessHost host;
    SearchTree tree;
    TFileSearch search{host};
    SearchRecorder recorder{search, tree.root()};
};

// Lets the process open only `free` more files while it exists.
class OpenFileLimit {
public:
    explicit OpenFileLimit(int free) {
        ::getrlimit(RLIMIT_NOFILE, &saved_);
        const int lowest = ::dup(0); // new descriptors take the lowest free number
        ::close(lowest);
        rlimit limited = saved_;
        limited.rlim_cur = rlim_t(lowest + free);
        ::setrlimit(RLIMIT_NOFILE, &limited);
    }
    ~OpenFileLimit() { ::setrlimit(RLIMIT_NOFILE, &saved_); }

private:
    rlimit saved_{};
};

} // namespace

TEST_F(InlineSearch, DefaultsAndTheSettersChecks) {
    EXPECT_EQ(search.Filename(), "*.*");
    EXPECT_TRUE(search.Subfolders() && search.IgnoreCase() && !search.Threaded());
    EXPECT_EQ(search.Attributes(), (TFileAttributes{ffArchive, ffReadonly, ffHidden, ffSystem}));
    const auto error = [](auto set) {
        try {
            set();
        } catch (const EFileSearchError& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(error([&] { search.SetFilename("sub/*.txt"); }),
              "sub/*.txt\n\rInvalid filename specified");
    EXPECT_EQ(error([&] { search.SetLocation("/photos/*"); }),
              "/photos/*\n\rlocation cannot to be contained wildcards");
    EXPECT_EQ(error([&] { search.SetLocation("/a;/b?"); }).substr(0, 6), "/a;/b?");
    EXPECT_EQ(search.Filename(), "*.*");
    EXPECT_EQ(search.Location(), tree.root());
    EXPECT_EQ(error([&] { search.SetFilename("a:b.txt"); }), "accepted"); // no drives here
}

TEST_F(InlineSearch, MasksAndTargets) {
    for (const char* name : {"readme", "a/README.txt", "a/deep/x.jpg", "b/readme.doc", "c/readme"})
        tree.file(name);
    search.SetFilename("readme");
    search.SetLocation(tree.path("a") + ";" + tree.path("b") + "/;" + tree.path("a/"));
    EXPECT_EQ(Run(), (Paths{"a/README.txt", "b/readme.doc"}));
    EXPECT_EQ(recorder.count("new a"), 2u); // a and a/deep, once each
    search.SetFilename("*.");
    search.SetLocation(tree.root());
    EXPECT_EQ(Run(), (Paths{"readme", "c/readme"}));
    search.SetSubfolders(false);
    EXPECT_EQ(Run(), Paths{"readme"});
    search.SetIncludeFiles({tree.path("a/deep/*.jpg"), tree.path("b/*")});
    EXPECT_EQ(Run(), (Paths{"a/deep/x.jpg", "b/readme.doc"}));
}

TEST_F(InlineSearch, FoldersLinksAndSpecialFilesByTheirAttributes) {
    tree.file("plain/in");
    tree.file("ro/in");
    tree.mode("ro", 0555);
    tree.file("locked");
    tree.mode("locked", 0444);
    tree.file("target", "1234");
    tree.link("link", "target");
    tree.link("loop", ".."); // a cycle if links were followed
    tree.fifo("pipe");
    tree.file(".hidden");
    tree.file(".cache/in"); // in a hidden folder, not hidden itself
    EXPECT_EQ(Run(), (Paths{"plain/in", "ro", "ro/in", "locked", "target", "link", "loop", "pipe",
                            ".hidden", ".cache", ".cache/in"}));
    for (const TSearchRec& entry : recorder.entries) {
        const std::map<std::string, uint32_t> attr{{"ro", faDirectory | faReadOnly},
                                                   {"locked", faArchive | faReadOnly},
                                                   {"pipe", faArchive | faSysFile},
                                                   {".hidden", faArchive | faHidden},
                                                   {".cache", faDirectory | faHidden}};
        EXPECT_EQ(entry.Attr, attr.count(entry.Name) ? attr.at(entry.Name) : faArchive)
            << entry.Name;
        EXPECT_EQ(entry.Size, entry.Name == "target" ? 4 : 0) << entry.Name;
    }
    search.SetExactAttribute(true);
    search.SetAttributes({ffArchive});
    EXPECT_EQ(Run(), (Paths{"plain/in", "ro/in", "target", "link", "loop", ".cache/in"}));
    search.SetAttributes({ffDirectory});
    EXPECT_EQ(Run(), Paths{"plain"});
    search.SetExactAttribute(false);
    search.SetAttributes({});
    EXPECT_EQ(Run(), Paths{});
}

TEST_F(InlineSearch, WithoutHiddenEntriesDotNamesAreNeitherListedNorEntered) {
    for (const char* name : {"plain", ".hidden", ".dotfolder/x", "sub/.inner", "sub/in"})
        tree.file(name);
    search.SetIncludeHidden(false);
    search.SetAttributes({ffArchive, ffHidden, ffDirectory}); // dot-names have these
    EXPECT_EQ(Run(), (Paths{"plain", "sub", "sub/in"}));
    EXPECT_EQ(recorder.count("new .dotfolder"), 0u);
    // A dot-folder the user names is searched.
    search.SetLocation(tree.path(".dotfolder"));
    EXPECT_EQ(Run(), Paths{".dotfolder/x"});

    search.SetIncludeHidden(true);
    search.SetLocation(tree.root());
    EXPECT_EQ(Run(), (Paths{"plain", ".hidden", ".dotfolder", ".dotfolder/x", "sub", "sub/.inner",
                            "sub/in"}));
}

TEST_F(InlineSearch, SizeAndTimeBounds) {
    tree.file("small", std::string(1023, 'x'));
    tree.file("exact", std::string(1024, 'x'));
    tree.file("sub/large", std::string(1025, 'x'));
    ASSERT_EQ(::truncate(tree.file("huge").c_str(), 5LL << 30), 0); // sparse
    search.SetAttributes({ffArchive, ffDirectory});
    search.SetSizeMin(1024);
    search.SetSizeMax(1024);
    EXPECT_EQ(Run(), (Paths{"exact", "sub"})); // a folder's size is not tested
    search.SetSizeMin(4LL << 30);
    search.SetSizeMax(0);
    EXPECT_EQ(Run(), (Paths{"huge", "sub"}));
    search.SetSizeMin(0);
    search.SetAttributes({ffArchive});

    tree.times("small", SearchTree::At(2020, 1, 1), SearchTree::At(2020, 3, 10, 9));
    tree.times("exact", SearchTree::At(2020, 1, 1), SearchTree::At(2021, 6, 15, 7));
    tree.times("sub/large", SearchTree::At(2022, 1, 1), SearchTree::At(2021, 6, 15, 21));
    tree.times("huge", SearchTree::At(2022, 1, 1), SearchTree::At(2021, 6, 16, 13));
    const TDateTime day = EncodeDate(2021, 6, 15);
    search.SetModifiedBefore(day);
    EXPECT_EQ(Run(), (Paths{"small", "exact", "sub/large"}));
    search.SetModifiedBefore(0);
    search.SetModifiedAfter(0.5);
    EXPECT_EQ(Run(), (Paths{"sub/large", "huge"}));
    search.SetModifiedAfter(day + 0.5);
    search.SetModifiedBefore(day + 1.5);
    EXPECT_EQ(Run(), (Paths{"sub/large"}));
    search.SetModifiedAfter(0);
    search.SetModifiedBefore(0);
    search.SetAccessedBefore(EncodeDate(2020, 12, 31));
    EXPECT_EQ(Run(), (Paths{"small", "exact"}));
    search.SetAccessedBefore(0);
    search.SetCreatedAfter(DateTimeInt(Now()) - 1); // made just now
    EXPECT_EQ(Run().size(), 4u);
    search.SetCreatedBefore(EncodeDate(2000, 1, 1));
    EXPECT_EQ(Run(), Paths{});
}

TEST_F(InlineSearch, RecordFieldsAndTheDosTime) {
    tree.file("f", "hello");
    tree.file("ancient");
    tree.times("f", SearchTree::At(2021, 6, 15), SearchTree::At(2021, 6, 15, 21, 3, 15));
    tree.times("ancient", SearchTree::At(1975, 5, 1), SearchTree::At(1975, 5, 1, 12));
    Run();
    ASSERT_EQ(recorder.entries.size(), 2u);
    const TSearchRec& f = recorder.entries[recorder.entries[0].Name == "ancient"];
    const TSearchRec& ancient = recorder.entries[recorder.entries[0].Name != "ancient"];
    EXPECT_EQ(ancient.Time, 0); // before what the DOS format holds
    EXPECT_EQ(f.Time, (41 << 9 | 6 << 5 | 15) << 16 | 21 << 11 | 3 << 5 | 7);
    tm written = SearchTree::At(2021, 6, 15, 21, 3, 15);
    EXPECT_EQ(f.FindData.LastWriteTime.tv_sec, ::mktime(&written));
    EXPECT_EQ(f.FindData.FileSize, 5);
}

TEST_F(InlineSearch, ExclusionLinesAndTheContentTest) {
    for (const char* name :
         {"a.tmp", "a.b.tmp", "temp/x.y", "temp/noext", "deep/TEMP/z.z", "tempo/w"})
        tree.file(name);
    search.SetExcludeFiles({"*.TMP", "/temp/*.*"});
    EXPECT_EQ(Run(), (Paths{"a.b.tmp", "temp/noext", "tempo/w"}));

    search.SetExcludeFiles({});
    std::string straddling(8000, '.');
    tree.file("straddling", straddling.replace(4093, 6, "needle"));
    tree.file("upper", "NEEDLE");
    tree.link("link", "straddling");
    tree.fifo("pipe"); // opening it would hang the search
    tree.file("needle.d/x");
    tree.mode("needle.d", 0555);
    search.SetContaining("Needle");
    EXPECT_EQ(Run(), (Paths{"straddling", "upper", "needle.d"}));
    search.SetIgnoreCase(false);
    search.SetContaining("needle");
    EXPECT_EQ(Run(), (Paths{"straddling", "needle.d"}));
}

TEST_F(InlineSearch, FilesAndFoldersThatCannotBeOpenedEndNothing) {
    tree.file("a", "needle");
    tree.file("sub/b", "needle");
    search.SetContaining("needle");
    {
        OpenFileLimit limit(1); // the listing gets it, the files do not
        EXPECT_EQ(Run(), Paths{});
    }
    EXPECT_EQ(recorder.count("new sub"), 1u); // the search went on
    EXPECT_FALSE(search.Aborted());
    EXPECT_TRUE(search.UnlistedFolders().empty());
    {
        OpenFileLimit limit(0);
        EXPECT_EQ(Run(), Paths{});
    }
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"new .", "complete"}));
    EXPECT_EQ(search.UnlistedFolders(), std::vector<std::string>{tree.root()});
    EXPECT_FALSE(search.Aborted());
    EXPECT_EQ(Run(), (Paths{"a", "sub/b"}));
    EXPECT_TRUE(search.UnlistedFolders().empty());
}

TEST_F(InlineSearch, TreesOfAnyDepthWithFewDescriptors) {
    // The chains fork 50 levels down, past 5000 bytes: whichever is walked second starts from
    // a folder far above the deepest ones.
    std::string fork, below;
    for (int level = 0; level < 50; ++level)
        fork += std::string(99, 'f') + "/";
    for (int level = 0; level < 35; ++level)
        below += "d/";
    below += "end";
    tree.deepFile(fork + "a/" + below, "needle");
    tree.deepFile(fork + "b/" + below, "needle");
    const Paths ends{fork + "a/" + below, fork + "b/" + below};
    OpenFileLimit limit(64); // far fewer than the levels
    EXPECT_EQ(Run(), ends);  // reported with their full folders
    EXPECT_EQ(recorder.count("new "), 1u + 50 + 2 * 36);
    search.SetContaining("needle");
    EXPECT_EQ(Run(), ends);
}

TEST_F(InlineSearch, TheHomeTrashIsNeverEntered) {
    tree.file("data/Trash/files/trashed");
    tree.file("data/kept");
    tree.file(".local/share/Trash/files/trashed");
    search.SetAttributes({ffArchive});
    {
        EnvironmentVariable data("XDG_DATA_HOME", tree.path("data").c_str());
        EXPECT_EQ(Run(), (Paths{"data/kept", ".local/share/Trash/files/trashed"}));
        EXPECT_EQ(recorder.count("new data/Trash"), 0u);
    }
    EnvironmentVariable data("XDG_DATA_HOME", nullptr), home("HOME", tree.root().c_str());
    EXPECT_EQ(Run(), (Paths{"data/kept", "data/Trash/files/trashed"}));
}

TEST_F(InlineSearch, WalkOrderAndIgnoreFolder) {
    for (const char* name : {"f1", "a/f2", "a/a1/f3", "a/a1/x/f4", "a/a2/f5", "b/f6", "skip/f7",
                             "skip/deeper/f8", "a/f9", "f10"})
        tree.file(name);
    search.OnNewFolder = [&, record = search.OnNewFolder](TFileSearch& sender,
                                                          const std::string& folder, bool& ignore) {
        record(sender, folder, ignore);
        ignore = folder == tree.path("skip");
    };
    EXPECT_EQ(Run(),
              (Paths{"f1", "f10", "a/f2", "a/f9", "a/a1/f3", "a/a1/x/f4", "a/a2/f5", "b/f6"}));
    EXPECT_EQ(recorder.count("new skip"), 1u);
    // Depth first: a new folder's parent is still open. Each entry follows its own folder's
    // event with no other folder between, so a folder's entries precede its sub-folders'.
    std::vector<std::string> open;
    for (const std::string& event : recorder.events) {
        const std::string path = event.substr(event.find(' ') + 1);
        const size_t cut = path.rfind('/');
        const std::string parent = cut == std::string::npos ? "." : path.substr(0, cut);
        if (event.starts_with("new ") && path != ".") {
            while (!open.empty() && open.back() != parent)
                open.pop_back();
            EXPECT_FALSE(open.empty()) << path;
        }
        if (event.starts_with("new ")) {
            open.push_back(path);
        } else if (event.starts_with("found ")) {
            EXPECT_EQ(parent, open.back()) << path;
        }
    }
}

// A large folder's entries are stat'ed many at a time; they still come in listing order,
// and a stop asked for by a handler ends the search at that entry.
TEST_F(InlineSearch, LargeFoldersComeInListingOrderAndStopAtOnce) {
    for (int i = 0; i < 700; ++i)
        tree.file((i % 200 == 0 ? "sub" + std::to_string(i) + "/f" : "f") + std::to_string(i));
    std::vector<std::string> files, folders;
    DirectoryListing listing(::open(tree.root().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    while (listing.Next())
        (listing.IsDirectory() ? folders : files).push_back(listing.Name());
    Run();
    std::vector<std::string> foundHere, entered;
    for (const std::string& event : recorder.events) {
        if (event.starts_with("found ") && event.find('/') == std::string::npos)
            foundHere.push_back(event.substr(6));
        if (event.starts_with("new sub"))
            entered.push_back(event.substr(4));
    }
    EXPECT_EQ(foundHere, files);
    EXPECT_EQ(entered, folders);

    OnFoundAlso([&](TFileSearch& sender) {
        if (recorder.count("found") == 300)
            sender.Abort();
    });
    Run();
    EXPECT_EQ(recorder.count("found"), 300u);
}

TEST_F(InlineSearch, EventFoldersLoseTheirTrailingSeparatorExceptTheRoot) {
    tree.file("f");
    std::vector<std::string> folders;
    search.OnFound = [&](TFileSearch&, const std::string& folder, TSearchRec&) {
        folders.push_back(folder);
    };
    search.OnNewFolder = [&](TFileSearch&, const std::string& folder, bool& ignore) {
        folders.push_back(folder);
        ignore = folder == "/";
    };
    search.SetLocation(tree.root() + "/;/");
    search.Execute();
    EXPECT_EQ(folders, (std::vector<std::string>{tree.root(), tree.root(), "/"}));
}

TEST_F(InlineSearch, HandlerErrorsAndAbortEndTheRunWithOneCompletion) {
    for (const char* name : {"1", "2", "3", "sub/4"})
        tree.file(name);
    const auto record = search.OnFound;
    OnFoundAlso([&](TFileSearch&) {
        if (recorder.count("found") == 2)
            throw std::runtime_error("handler failed");
    });
    EXPECT_NO_THROW(Run());
    EXPECT_EQ(recorder.count("found"), 2u);
    EXPECT_EQ(recorder.events.back(), "complete");
    EXPECT_TRUE(search.Aborted());
    EXPECT_EQ(search.Failure(), "handler failed");
    EXPECT_FALSE(search.Busy());

    // An abort is no failure, and each run starts without one.
    search.OnFound = record;
    OnFoundAlso([](TFileSearch& sender) { sender.Abort(); });
    Run();
    EXPECT_EQ(recorder.events.size(), 3u); // new, found, complete
    EXPECT_TRUE(search.Aborted());
    EXPECT_EQ(search.Failure(), std::nullopt);

    search.OnFound = record;
    search.OnNewFolder = [](TFileSearch&, const std::string& folder, bool&) {
        if (folder.ends_with("sub"))
            throw Exception("no");
    };
    EXPECT_EQ(Run().size(), 3u);
    EXPECT_EQ(search.Failure(), "no");

    search.OnComplete = [](TFileSearch&) { throw Exception("complete failed"); };
    EXPECT_THROW(Run(), Exception); // not caught by the component
    EXPECT_FALSE(search.Busy());
    EXPECT_EQ(recorder.completed, 3);
}

TEST_F(InlineSearch, ExecuteWhileBusyIsIgnoredAndOnCompleteMayStartAgain) {
    tree.file("1");
    tree.file("2");
    OnFoundAlso([](TFileSearch& sender) {
        sender.SetFilename("nothing"); // the running search keeps its copy
        sender.Execute();
    });
    search.OnComplete = [&](TFileSearch& sender) {
        EXPECT_FALSE(sender.Busy());
        if (++recorder.completed == 1) {
            sender.SetFilename("*.*");
            sender.Execute();
        }
    };
    Run();
    EXPECT_EQ(recorder.count("found"), 4u);
    EXPECT_EQ(recorder.completed, 2);
    search.Abort(); // idle: only the flag
    EXPECT_TRUE(search.Aborted());
    search.OnComplete = nullptr;
    Run();
    EXPECT_FALSE(search.Aborted());
}
