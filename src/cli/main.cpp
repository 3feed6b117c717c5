// twinsweep-cli: finds identical files from the command line, and frees the space of all
// but one of each set if asked.
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <unistd.h>

#include "CliRun.h"
#include "OpenFileLimit.h"

using namespace twinsweep;

namespace {

std::atomic<bool> interrupted{false};

void OnInterrupt(int) { interrupted.store(true); }

} // namespace

int main(int argc, char** argv) {
    RaiseOpenFileLimit();
    const CliTexts texts(
        LanguageFromEnvironment([](const char* name) { return std::getenv(name); }));
    CliOptions options;
    try {
        options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& e) {
        std::fprintf(stderr, "twinsweep-cli: %s\n%s", texts.Text(e.key, {e.detail}).c_str(),
                     texts.Text("CLI_USAGE").c_str());
        return BadUsage;
    }
    if (options.help || options.version) {
        const std::string text = options.help ? texts.Text("CLI_USAGE") + texts.Text("CLI_HELP")
                                              : "twinsweep-cli " TWINSWEEP_VERSION "\n";
        std::fputs(text.c_str(), stdout);
        return std::fflush(stdout) == 0 ? Done : SomeFailed;
    }
    // The first Ctrl+C stops after the file under way; a second one ends at once.
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    static_assert(std::atomic<bool>::is_always_lock_free);
    try {
        return RunCommandLine(options, texts, {stdout, stderr, ::isatty(STDERR_FILENO) == 1},
                              interrupted);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "twinsweep-cli: %s\n", e.what());
        return SomeFailed;
    }
}
