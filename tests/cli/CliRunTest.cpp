#include "CliRun.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "HeadlessHost.h"
#include "Session.h"
#include "TestFolder.h"
#include "VanishingFolder.h"

using namespace twinsweep;

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

// Runs the command in English on `session`, or on one of its own.
Outcome RunWith(std::vector<std::string> args, bool interrupt = false, Session* session = nullptr,
                HeadlessHost* host = nullptr) {
    Outcome run;
    char *out = nullptr, *err = nullptr;
    size_t outSize = 0, errSize = 0;
    std::FILE* outStream = open_memstream(&out, &outSize);
    std::FILE* errStream = open_memstream(&err, &errSize);
    const std::atomic<bool> interrupted{interrupt};
    const CliStreams streams{outStream, errStream};
    run.status = session
                     ? RunCommandLine(*session, *host, ParseCommandLine(args), CliTexts(1), streams,
                                      interrupted)
                     : RunCommandLine(ParseCommandLine(args), CliTexts(1), streams, interrupted);
    std::fclose(outStream);
    std::fclose(errStream);
    run.out.assign(out, outSize);
    run.err.assign(err, errSize);
    std::free(out);
    std::free(err);
    return run;
}

ino_t Inode(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

void Age(const std::string& path, time_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// Every path below the folder with its inode and bytes.
std::string Listing(const TestFolder& dir) {
    std::string listing;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path()))
        if (entry.is_regular_file())
            listing += entry.path().string() + " " + std::to_string(Inode(entry.path())) + " " +
                       dir.read(std::filesystem::relative(entry.path(), dir.path())) + "\n";
    return listing;
}

struct Tree {
    Tree() {
        Age(dir.write("old/a", "same bytes"), 1000);
        dir.write("new/a", "same bytes");
        dir.write("new/b", "other");
        dir.write(".hidden/a", "same bytes");
    }
    TestFolder dir;
};

} // namespace

TEST(CliRun, ListsTheSetsAndChangesNothingUnlessAnActionRuns) {
    Tree tree;
    const std::string before = Listing(tree.dir);
    const Outcome listed = RunWith({tree.dir.path()});
    EXPECT_EQ(listed.status, Done);
    EXPECT_EQ(listed.out, "Set 1: 2 files of 10 bytes, 10 bytes to free\n  " +
                              tree.dir.path("old/a") + "\n  " + tree.dir.path("new/a") + "\n");
    EXPECT_EQ(listed.err, "1 set, 2 files, 10 bytes can be freed.\n");
    EXPECT_EQ(RunWith({tree.dir.path(), "--hidden", "--format", "jsonl"}).out.find(".hidden") !=
                  std::string::npos,
              true);

    const Outcome dry = RunWith({tree.dir.path(), "--keep", "oldest", "--trash", "--dry-run"});
    EXPECT_EQ(dry.status, Done);
    EXPECT_NE(dry.out.find("keep  " + tree.dir.path("old/a")), std::string::npos) << dry.out;
    EXPECT_NE(dry.out.find("trash " + tree.dir.path("new/a")), std::string::npos) << dry.out;
    EXPECT_NE(dry.err.find("Dry run: 1 file would go to the trash (10 bytes)"), std::string::npos);
    // Interrupted before it began: nothing done, said so.
    const Outcome stopped = RunWith({tree.dir.path(), "--keep", "oldest", "--hardlink"}, true);
    EXPECT_EQ(stopped.status, Interrupted);
    EXPECT_NE(stopped.err.find("interrupted; nothing was changed."), std::string::npos);
    EXPECT_EQ(Listing(tree.dir), before);
    EXPECT_EQ(RunWith({tree.dir.path("none")}).status, SomeFailed);
    EXPECT_EQ(RunWith({tree.dir.path(), "--protect", tree.dir.path("none")}).status, SomeFailed);
}

TEST(CliRun, ActsOnAllButTheKeptFileAndFailsWhenAFileStays) {
    Tree tree;
    const std::string sets = tree.dir.path("sets.csv");
    const Outcome linked = RunWith(
        {tree.dir.path(), "--keep", "oldest", "--hardlink", "--output", sets, "--format", "csv"});
    EXPECT_EQ(linked.status, Done) << linked.err;
    EXPECT_EQ(Inode(tree.dir.path("new/a")), Inode(tree.dir.path("old/a")));
    EXPECT_NE(linked.err.find("1 file replaced by a hard link, 10 bytes freed."),
              std::string::npos);
    EXPECT_EQ(tree.dir.read("sets.csv").substr(0, 4), "set,");
    EXPECT_TRUE(linked.out.empty());

    // Clones where the file system makes none: the file stays, the status says so.
    Age(tree.dir.write("c/one", "cloned?"), 1000);
    tree.dir.write("c/two", "cloned?");
    const ino_t two = Inode(tree.dir.path("c/two"));
    const Outcome cloned = RunWith({tree.dir.path("c"), "--keep", "oldest", "--clone"});
    if (Inode(tree.dir.path("c/two")) == two) {
        EXPECT_EQ(cloned.status, SomeFailed);
        EXPECT_NE(cloned.err.find("not done: " + tree.dir.path("c/two") + ": "), std::string::npos)
            << cloned.err;
    } else {
        EXPECT_EQ(cloned.status, Done);
    }
    EXPECT_EQ(tree.dir.read("c/two"), "cloned?");
}

TEST(CliRun, AFailedSearchListsNothingAndSaysWhy) {
    Tree tree;
    HeadlessHost host;
    Session session(host);
    session.Search().OnNewFolder = [](TFileSearch&, const std::string& folder, bool&) {
        if (folder.ends_with("/new"))
            throw Exception("the disk went away");
    };
    const Outcome failed = RunWith({tree.dir.path()}, false, &session, &host);
    EXPECT_EQ(failed.status, SomeFailed);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(failed.err, "twinsweep-cli: the search failed: the disk went away\n");
}

TEST(CliRun, FoldersNotListedAndFilesNotReadAreNamedAndCounted) {
    TestFolder dir;
    dir.write("a", "same");
    dir.write("gone", "same");
    HeadlessHost host;
    Session session(host);
    const auto removed = RemoveTwinOnEntry(session.Search(), dir.path(), dir.path("gone"));
    const Outcome run = RunWith({dir.path()}, false, &session, &host);
    EXPECT_EQ(run.status, Done);
    EXPECT_EQ(run.err, "twinsweep-cli: could not list: " + *removed +
                           "\ntwinsweep-cli: could not read: " + dir.path("gone") +
                           "\n1 folder could not be listed.\n1 file could not be read.\n"
                           "0 sets, 0 files, 0 bytes can be freed.\n");
}
