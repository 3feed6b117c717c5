#pragma once
// One run of twinsweep-cli: search, compare, print the sets, act on them if asked, and say
// what was done.
#include <atomic>
#include <cstdio>

#include "CliTexts.h"
#include "CommandLine.h"

namespace twinsweep {

class HeadlessHost;
class Session;

// The exit statuses.
enum CliStatus { Done = 0, SomeFailed = 1, BadUsage = 2, Interrupted = 130 };

struct CliStreams {
    std::FILE* out;        // the sets, unless the options name a file
    std::FILE* err;        // messages and the summary
    bool progress = false; // a progress line on `err` (a terminal)
};

// Runs the options (parsed, not --help or --version). Stops at the next file once
// `interrupted` is set, saying what was done.
int RunCommandLine(const CliOptions& options, const CliTexts& texts, const CliStreams& streams,
                   const std::atomic<bool>& interrupted);
// The same in `session`, whose host is `host`.
int RunCommandLine(Session& session, HeadlessHost& host, const CliOptions& options,
                   const CliTexts& texts, const CliStreams& streams,
                   const std::atomic<bool>& interrupted);

} // namespace twinsweep
