#include "CliRun.h"

#include <chrono>
#include <sys/stat.h>

#include "Errors.h"
#include "HeadlessHost.h"
#include "Paths.h"
#include "Session.h"
#include "SetsText.h"
#include "Shell.h"
#include "TextLines.h"

namespace twinsweep {

namespace {

using Clock = std::chrono::steady_clock;

// A line on a terminal, written over at most ten times a second and wiped at the end.
class ProgressLine {
public:
    ProgressLine(std::FILE* stream, bool shown) : stream_(shown ? stream : nullptr) {}
    ~ProgressLine() { Clear(); }

    bool Due() {
        if (!stream_ || Clock::now() < next_)
            return false;
        next_ = Clock::now() + std::chrono::milliseconds(100);
        return true;
    }
    void Show(const std::string& text) {
        std::fprintf(stream_, "\r%s\x1b[K", text.c_str());
        std::fflush(stream_);
        shown_ = true;
    }
    void Clear() {
        if (shown_)
            std::fputs("\r\x1b[K", stream_);
        shown_ = false;
    }

private:
    std::FILE* stream_;
    Clock::time_point next_{};
    bool shown_ = false;
};

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void Say(std::FILE* err, const std::string& line) { std::fprintf(err, "%s\n", line.c_str()); }

// "Comparing: 120 files left, 1.2 GB of 4.0 GB (30 %), 250.0 MB/s"
std::string ComparingText(const CliTexts& texts, int filesLeft, const ScanBytes& bytes,
                          Clock::time_point start) {
    const int64_t done = bytes.Compared(), total = bytes.Total();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return texts.Text("CLI_COMPARING",
                      {std::to_string(filesLeft), texts.Size(done), texts.Size(total),
                       std::to_string(total > 0 ? done * 100 / total : 100),
                       texts.Size(seconds > 0 ? static_cast<int64_t>(done / seconds) : 0)});
}

const char* DoneKey(CliAction action, bool many) {
    switch (action) {
    case CliAction::Trash:
        return many ? "CLI_TRASHED_MANY" : "CLI_TRASHED_ONE";
    case CliAction::Clone:
        return many ? "CLI_CLONED_MANY" : "CLI_CLONED_ONE";
    default:
        return many ? "CLI_LINKED_MANY" : "CLI_LINKED_ONE";
    }
}

const char* DryKey(CliAction action, bool many) {
    switch (action) {
    case CliAction::Trash:
        return many ? "CLI_WOULD_TRASH_MANY" : "CLI_WOULD_TRASH_ONE";
    case CliAction::Clone:
        return many ? "CLI_WOULD_CLONE_MANY" : "CLI_WOULD_CLONE_ONE";
    default:
        return many ? "CLI_WOULD_LINK_MANY" : "CLI_WOULD_LINK_ONE";
    }
}

// To standard output, or to `file`: a file is replaced once the new text is whole; a device
// or a pipe (/dev/null, a FIFO) is written to as it is.
void WriteSets(const std::string& text, const std::string& file, std::FILE* out,
               const CliTexts& texts) {
    struct stat info {};
    if (!file.empty() &&
        (::stat(file.c_str(), &info) != 0 || S_ISREG(info.st_mode) || S_ISDIR(info.st_mode)))
        return ReplaceFileText(file, text);
    std::FILE* stream = file.empty() ? out : std::fopen(file.c_str(), "we");
    bool written = stream && std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
                   std::fflush(stream) == 0;
    if (stream && stream != out && std::fclose(stream) != 0)
        written = false;
    if (!written)
        throw Exception(texts.Text("CLI_OUTPUT_FAILED", {file.empty() ? "stdout" : file}));
}

// The folders that could not be listed and the files that could not be read, one a line,
// then how many of each.
void SayUnreachable(const Session& session, const CliTexts& texts, std::FILE* err) {
    const std::vector<std::string>& folders = session.UnlistedFolders();
    const std::vector<std::string>& files = session.Scanned().unreadable;
    for (const std::string& folder : folders)
        Say(err, texts.Text("CLI_UNLISTED", {folder}));
    for (const std::string& file : files)
        Say(err, texts.Text("CLI_UNREADABLE", {file}));
    if (!folders.empty())
        Say(err, texts.Counted("CLI_UNLISTED_ONE", "CLI_UNLISTED_MANY", folders.size()));
    if (!files.empty())
        Say(err, texts.Counted("CLI_UNREADABLE_ONE", "CLI_UNREADABLE_MANY", files.size()));
}

TrashOutcome Act(Session& session, CliAction action, const LongWork& work) {
    if (action == CliAction::Trash)
        return session.TrashMarked(
            [](const std::string& path, std::string& error) { return MoveToTrash(path, &error); },
            work);
    return session.ReplaceMarked(
        action == CliAction::Clone ? Replacement::Clone : Replacement::HardLink, work);
}

} // namespace

int RunCommandLine(const CliOptions& options, const CliTexts& texts, const CliStreams& streams,
                   const std::atomic<bool>& interrupted) {
    HeadlessHost host;
    Session session(host);
    return RunCommandLine(session, host, options, texts, streams, interrupted);
}

int RunCommandLine(Session& session, HeadlessHost& host, const CliOptions& options,
                   const CliTexts& texts, const CliStreams& streams,
                   const std::atomic<bool>& interrupted) {
    std::FILE* err = streams.err;
    // A mistyped protected folder would leave unprotected what the user meant to keep.
    for (const auto* list : {&options.folders, &options.protectedFolders})
        for (const std::string& folder : *list)
            if (!IsFolder(folder)) {
                Say(err, texts.Text("CLI_NOT_FOLDER", {folder}));
                return SomeFailed;
            }
    if (options.keep == KeepRule::InsideFolder && !IsFolder(options.keepFolder)) {
        Say(err, texts.Text("CLI_NOT_FOLDER", {options.keepFolder}));
        return SomeFailed;
    }
    const auto going = [&] { return !interrupted.load(std::memory_order_relaxed); };
    const auto stopped = [&](const char* key) {
        Say(err, texts.Text("CLI_INTERRUPTED", {texts.Text(key)}));
        return Interrupted;
    };

    session.SetChoices(ChoicesOf(options));
    ProgressLine progress(err, streams.progress);
    const bool searched = session.SearchAndWait(host, SIZE_MAX, [&](int files) {
        if (progress.Due())
            progress.Show(texts.Counted("CLI_SEARCHING_ONE", "CLI_SEARCHING_MANY",
                                        static_cast<uint64_t>(files)));
        return going();
    });
    if (const auto& failure = session.SearchFailure()) {
        progress.Clear();
        Say(err, texts.Text("CLI_SEARCH_FAILED", {*failure}));
        return SomeFailed;
    }
    if (!searched || !going())
        return stopped("CLI_NOTHING_DONE");

    ScanBytes bytes;
    const Clock::time_point start = Clock::now();
    int filesLeft = session.Table().FileCount();
    const LongWork scanning(
        [&] {
            if (progress.Due())
                progress.Show(ComparingText(texts, filesLeft, bytes, start));
            return going();
        },
        [&](int left) { filesLeft = left; });
    const bool scanned = session.Scan(scanning, &bytes);
    progress.Clear();
    if (!scanned)
        return stopped("CLI_NOTHING_DONE");
    SayUnreachable(session, texts, err);

    if (options.keep)
        session.MarkAllButOne(*options.keep, ExpandFileName(options.keepFolder));
    const std::vector<DuplicateSet>& sets = session.Sets();
    const std::string output =
        SetsOutput(sets, *session.Paths(), options.format, options.action, texts);
    try {
        WriteSets(output, options.output, streams.out, texts);
    } catch (const Exception& e) {
        Say(err, e.what());
        return SomeFailed;
    }
    Say(err, texts.Text("CLI_SUMMARY", {texts.Counted("CLI_SET_ONE", "CLI_SET_MANY", sets.size()),
                                        texts.Counted("CLI_FILE", "CLI_FILES", MemberCount(sets)),
                                        texts.Size(FreeableBytes(sets))}));
    if (options.action == CliAction::None)
        return Done;

    const FilesTally marked = session.MarkedFiles();
    if (options.dryRun) {
        Say(err, texts.Counted(DryKey(options.action, false), DryKey(options.action, true),
                               marked.files, texts.Size(marked.bytes)));
        return Done;
    }
    TrashOutcome outcome = Act(session, options.action, LongWork(going));
    for (const KeptDuplicate& file : outcome.kept)
        Say(err, texts.Text("CLI_FAILED",
                            {file.path, FormatMessage(texts.Reason(file.reason), {file.detail})}));
    Say(err, texts.Counted(DoneKey(options.action, false), DoneKey(options.action, true),
                           outcome.moved.files, texts.Size(outcome.moved.bytes)) +
                 (outcome.kept.empty() ? ""
                                       : " " + texts.Counted("CLI_FAILED_ONE", "CLI_FAILED_MANY",
                                                             outcome.kept.size())));
    if (!going())
        return stopped("CLI_STOPPED_ACTING");
    return outcome.kept.empty() ? Done : SomeFailed;
}

} // namespace twinsweep
