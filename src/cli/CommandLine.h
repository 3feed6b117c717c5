#pragma once
// The options of twinsweep-cli, read from its arguments.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "FindDuplicates.h"
#include "KeepOne.h"

namespace twinsweep {

enum class OutputFormat { Text, Csv, Json, JsonLines };
enum class CliAction { None, Trash, Clone, HardLink };

struct CliOptions {
    bool help = false, version = false;
    std::vector<std::string> folders;
    std::vector<std::string> protectedFolders;
    TextLines exclusions;
    int64_t minSize = 0, maxSize = 0; // bytes; 0 is no bound
    bool hidden = false, recurse = true;
    std::string extension; // without the dot; empty: every file
    OutputFormat format = OutputFormat::Text;
    std::string output; // empty: standard output
    std::optional<KeepRule> keep;
    std::string keepFolder; // of in:FOLDER
    CliAction action = CliAction::None;
    bool dryRun = false;
};

// A wrong use of the command; what() says what is wrong (in English: the caller words it
// for the user from `key` and `detail`).
class UsageError : public std::runtime_error {
public:
    UsageError(std::string key, std::string detail)
        : std::runtime_error(key + ": " + detail), key(std::move(key)), detail(std::move(detail)) {}
    std::string key;    // the string-table key of the message, which holds %s for detail
    std::string detail; // the option or value concerned
};

// Reads the arguments after the program's name. Raises UsageError for an unknown option,
// a missing or bad value, an action without --keep (or --keep or --dry-run without an
// action), two actions, or no folder (unless --help or --version).
CliOptions ParseCommandLine(const std::vector<std::string>& args);

// newest, oldest, shortest or in:FOLDER (which sets `folder`); nothing for anything else.
std::optional<KeepRule> KeepRuleOf(const std::string& name, std::string& folder);

// "10k", "5M", "1GiB", "1500": bytes, units of 1,024 (k, M, G, T, any case, "B" or "iB" after
// them allowed); nothing for anything else or a size beyond int64_t.
std::optional<int64_t> ParseSize(const std::string& text);

// The search the options ask for: the first folder in the folder field, the others beside
// it, the protected ones protected (and searched when none of the folders).
SearchChoices ChoicesOf(const CliOptions& options);

} // namespace twinsweep
