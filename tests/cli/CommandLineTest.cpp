#include "CommandLine.h"

#include <gtest/gtest.h>
#include <map>

#include "CliTexts.h"
#include "StartArguments.h"

using namespace twinsweep;

namespace {

CliOptions Parse(std::vector<std::string> args) { return ParseCommandLine(args); }

std::string UsageKey(std::vector<std::string> args) {
    try {
        ParseCommandLine(args);
    } catch (const UsageError& e) {
        return e.key;
    }
    return "accepted";
}

} // namespace

TEST(CommandLine, SizesTakeUnitsOf1024AndRefuseTheRest) {
    EXPECT_EQ(ParseSize("1500"), 1500);
    EXPECT_EQ(ParseSize("10k"), 10240);
    EXPECT_EQ(ParseSize("5M"), 5 << 20);
    EXPECT_EQ(ParseSize("1GiB"), int64_t(1) << 30);
    EXPECT_EQ(ParseSize("2tb"), int64_t(2) << 40);
    for (const char* bad :
         {"", "k", "-1", "1.5M", "10 k", "3x", "1Mi", "9999999999T", "99999999999999999999"})
        EXPECT_EQ(ParseSize(bad), std::nullopt) << bad;
}

TEST(CommandLine, OptionsInAnyOrderAroundTheFolders) {
    const CliOptions options = Parse({"a",
                                      "--protect",
                                      "lib",
                                      "--exclude=*.tmp",
                                      "--min-size",
                                      "1k",
                                      "--max-size=2M",
                                      "--hidden",
                                      "--no-recurse",
                                      "--ext",
                                      ".jpg",
                                      "--format",
                                      "jsonl",
                                      "-o",
                                      "out",
                                      "b",
                                      "--keep",
                                      "in:lib",
                                      "--hardlink",
                                      "--dry-run",
                                      "--",
                                      "--odd"});
    EXPECT_EQ(options.folders, (std::vector<std::string>{"a", "b", "--odd"}));
    EXPECT_EQ(options.protectedFolders, std::vector<std::string>{"lib"});
    EXPECT_EQ(options.exclusions, TextLines{"*.tmp"});
    EXPECT_EQ(options.minSize, 1024);
    EXPECT_EQ(options.maxSize, 2 << 20);
    EXPECT_TRUE(options.hidden && !options.recurse && options.dryRun);
    EXPECT_EQ(options.extension, "jpg");
    EXPECT_EQ(options.format, OutputFormat::JsonLines);
    EXPECT_EQ(options.output, "out");
    EXPECT_EQ(options.keep, KeepRule::InsideFolder);
    EXPECT_EQ(options.keepFolder, "lib");
    EXPECT_EQ(options.action, CliAction::HardLink);
    // The protected folder named among the folders takes its place; the first is the field.
    const SearchChoices choices = ChoicesOf(Parse({"/x/a/", "/x/b", "--protect", "/x/a"}));
    EXPECT_EQ(choices.folder, "/x/a/");
    EXPECT_EQ(choices.folderRole, FolderRole::Protected);
    ASSERT_EQ(choices.moreFolders.size(), 1u);
    EXPECT_EQ(choices.sizeMinBytes, 0);
    EXPECT_TRUE(choices.subfolders);
    EXPECT_FALSE(choices.hidden);
}

TEST(CommandLine, WrongUsesAreRefusedWithTheirReason) {
    const std::map<std::string, std::vector<std::string>> wrong = {
        {"CLI_UNKNOWN_OPTION", {"a", "--fast"}},
        {"CLI_NEEDS_VALUE", {"a", "--min-size"}},
        {"CLI_NO_VALUE", {"a", "--hidden=yes"}},
        {"CLI_BAD_SIZE", {"a", "--max-size", "lots"}},
        {"CLI_BAD_VALUE", {"a", "--format", "xml"}},
        {"CLI_TWO_ACTIONS", {"a", "--keep", "oldest", "--trash", "--clone"}},
        {"CLI_ACTION_NEEDS_KEEP", {"a", "--trash"}},
        {"CLI_KEEP_NEEDS_ACTION", {"a", "--keep", "newest"}},
        {"CLI_KEEP_NEEDS_ACTION", {"a", "--dry-run"}},
        {"CLI_NO_FOLDER", {"--hidden"}},
    };
    for (const auto& [key, args] : wrong)
        EXPECT_EQ(UsageKey(args), key) << args.back();
    EXPECT_EQ(UsageKey({"--keep", "in:", "--trash", "a"}), "CLI_BAD_VALUE");
    EXPECT_EQ(UsageKey({"--min-size", "2k", "--max-size", "1k", "a"}), "CLI_BAD_VALUE");
    EXPECT_TRUE(Parse({"--help"}).help);
    EXPECT_TRUE(Parse({"-V"}).version);
}

TEST(CommandLine, TheLanguageFollowsTheEnvironment) {
    const auto language = [](std::map<std::string, std::string> environment) {
        return LanguageFromEnvironment([&](const char* name) -> const char* {
            const auto found = environment.find(name);
            return found == environment.end() ? nullptr : found->second.c_str();
        });
    };
    EXPECT_EQ(language({}), 1);
    EXPECT_EQ(language({{"LANG", "fr_FR.UTF-8"}}), 3);
    EXPECT_EQ(language({{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "pt_BR"}}), 2);
    EXPECT_EQ(language({{"LC_ALL", "en_GB"}, {"LC_MESSAGES", "pt_BR"}}), 1);
    EXPECT_EQ(language({{"LANG", "de_DE"}, {"LANGUAGE", "de:pt:fr"}}), 2);
    EXPECT_EQ(language({{"LANG", "C"}, {"LANGUAGE", "fr"}}), 1); // LANGUAGE needs a locale
    EXPECT_EQ(language({{"LANG", "de_DE.UTF-8"}}), 1);
    // Sizes and counts in each language's words.
    const CliTexts french(3);
    EXPECT_EQ(french.Size(999), "999 octets");
    EXPECT_EQ(french.Size(1'234'567), "1,2 Mo");
    EXPECT_EQ(CliTexts(1).Size(999'960), "1.0 MB");
    EXPECT_EQ(CliTexts(2).Counted("CLI_FILE", "CLI_FILES", 2), "2 arquivos");
}

TEST(StartArguments, HelpAndVersionNeedNoWindowAndWrongOptionsAreRefused) {
    using A = StartArguments;
    EXPECT_EQ(ReadStartArguments({"--help"}).what, A::Help);
    EXPECT_EQ(ReadStartArguments({"-platform", "xcb", "-V"}).what, A::Version);
    const StartArguments open = ReadStartArguments({"-style", "fusion", "--", "-odd.twinsweep"});
    EXPECT_EQ(open.what, A::OpenWindow);
    EXPECT_EQ(open.project, "-odd.twinsweep");
    EXPECT_EQ(ReadStartArguments({"p.twinsweep"}).project, "p.twinsweep");
    const StartArguments wrong = ReadStartArguments({"--frobnicate"});
    EXPECT_EQ(wrong.what, A::BadUsage);
    EXPECT_EQ(wrong.wrong, "--frobnicate");
    EXPECT_EQ(ReadStartArguments({"a", "b"}).what, A::BadUsage);
}
