// The built-in string tables and the per-language texts.
#include <gtest/gtest.h>
#include <map>

#include "CountedKeyText.h"
#include "Errors.h"
#include "LanguageTexts.h"
#include "WindowStringTables.h"

using namespace twinsweep;

namespace {

// The command line's table too, which has no window to caption.
const std::vector<std::string> kWindows{"CommandLine", "FolderDialog", "TForm1", "TForm2",
                                        "TForm3",      "TForm4",       "TForm5"};

} // namespace

TEST(WindowStringTablesTest, EveryWindowHasACompleteTableInThreeLanguages) {
    EXPECT_EQ(WindowStringTableNames(), kWindows);
    for (const std::string& window : kWindows) {
        SCOPED_TRACE(window);
        TStringTable table = LoadWindowStringTable(window);
        EXPECT_EQ(table.NumOfLanguages(), 3);
        EXPECT_EQ(table.LangNames(),
                  (std::vector<std::string>{"English", "Português", "Français"}));
        EXPECT_EQ(table.ActiveLanguage(), 1);

        bool hasCaption = false;
        for (const TranslationEntry& entry : table.Captions())
            hasCaption = hasCaption || entry.element == window;
        EXPECT_TRUE(hasCaption || window == "CommandLine") << "no caption for the window itself";

        // Every text is translated into every language.
        for (const KeyedText& keyed : table.Strings())
            for (int language = 1; language <= 3; ++language)
                EXPECT_FALSE(keyed.texts.Get(language).empty())
                    << keyed.key << " in language " << language;
        for (auto list :
             {TranslationList::Captions, TranslationList::Hints, TranslationList::DisplayLabels,
              TranslationList::Fonts, TranslationList::MultiLines, TranslationList::OtherStrings,
              TranslationList::Collections})
            for (const TranslationEntry& entry : table.List(list))
                for (int language = 1; language <= 3; ++language)
                    EXPECT_FALSE(entry.values.Get(language).empty())
                        << entry.element << " " << entry.property << " in language " << language;
    }
}

TEST(WindowStringTablesTest, KeysTheCodeAsksForExist) {
    const std::map<std::string, std::vector<std::string>> required{
        {"TForm1", {"IDS_0",  "IDS_1",  "IDS_2",  "IDS_3",  "IDS_11", "IDS_12", "IDS_13", "IDS_15",
                    "IDS_30", "IDS_36", "IDS_37", "IDS_38", "IDS_57", "IDS_58", "IDS_59", "IDS_60",
                    "IDS_61", "IDS_62", "IDS_63", "IDS_64", "IDS_65", "IDS_66", "IDS_67", "IDS_84",
                    "IDS_85", "IDS_86", "IDS_87", "IDS_88", "IDS_89", "IDS_90", "IDS_91"}},
        {"TForm3", {"IDS_0"}},
    };
    for (const auto& [window, keys] : required) {
        TStringTable table = LoadWindowStringTable(window);
        for (const std::string& key : keys) {
            const KeyedText* entry = table.FindKey(key);
            ASSERT_NE(entry, nullptr) << window << " " << key;
            for (int language = 1; language <= 3; ++language)
                EXPECT_FALSE(entry->texts.Get(language).empty())
                    << window << " " << key << " " << language;
        }
    }
    // The text that a number is joined to keeps a blank on that side.
    TStringTable scan = LoadWindowStringTable("TForm3");
    for (int language = 1; language <= 3; ++language)
        EXPECT_EQ(scan.FindKey("IDS_0")->texts.Get(language).back(), ' ');
}

TEST(WindowStringTablesTest, MessagesBuiltWithNumbersFollowTheLanguage) {
    TStringTable main = LoadWindowStringTable("TForm1");
    const auto pairs = [&main](uint64_t count) {
        return FormatMessage(CountedKeyText(main, "IDS_13", "IDS_15", count),
                             {std::to_string(count)});
    };
    // English has the singular for 1 only; French and Portuguese for 0 too.
    EXPECT_EQ(pairs(0), "0 duplicate pairs found.");
    EXPECT_EQ(pairs(1), "1 duplicate pair found.");
    main.SetActiveLanguage(3);
    EXPECT_EQ(pairs(0), "0 paire de doublons trouvée.");
    EXPECT_EQ(pairs(1), "1 paire de doublons trouvée.");
    EXPECT_EQ(pairs(5), "5 paires de doublons trouvées.");
    main.SetActiveLanguage(2);
    EXPECT_EQ(pairs(2), "2 pares de arquivos duplicados encontrados.");
    EXPECT_TRUE(TakesSingular(2, 0) && !TakesSingular(2, 2) && !TakesSingular(0, 0));

    TStringTable scan = LoadWindowStringTable("TForm3");
    EXPECT_EQ(scan.GetKeyText("IDS_0") + "120", "Files left to compare: 120");
    scan.SetActiveLanguage(2);
    EXPECT_EQ(scan.GetKeyText("ids_0") + "120", "Arquivos restantes a comparar: 120");
    // The two tables' IDS_0 are different entries.
    EXPECT_NE(main.GetKeyText("IDS_0"), scan.GetKeyText("IDS_0"));
}

TEST(WindowStringTablesTest, UnknownWindowIsAnError) {
    EXPECT_THROW(LoadWindowStringTable("TForm6"), Exception);
    EXPECT_THROW(LoadWindowStringTable("tform1"), Exception);
}

TEST(LanguageTextsTest, EachLanguageHasItsOwnConfirmationAndGuide) {
    std::vector<std::string> questions, titles, targets;
    for (int language = 1; language <= 3; ++language) {
        DeleteConfirmationText text = DeleteConfirmation(language, 2);
        EXPECT_NE(DeleteConfirmation(language, 1).question, text.question);
        EXPECT_EQ(DeleteConfirmation(language, 1).title, text.title);
        EXPECT_FALSE(text.question.empty());
        EXPECT_FALSE(text.title.empty());
        questions.push_back(text.question);
        titles.push_back(text.title);
        targets.push_back(LanguageTargetName(language));
    }
    EXPECT_EQ(targets,
              (std::vector<std::string>{"guide/en.html", "guide/pt.html", "guide/fr.html"}));
    for (int i = 0; i < 3; ++i)
        for (int j = i + 1; j < 3; ++j) {
            EXPECT_NE(questions[i], questions[j]);
            EXPECT_NE(titles[i], titles[j]);
        }
    EXPECT_EQ(LanguageTarget(3, "/opt/twinsweep/"), "/opt/twinsweep/guide/fr.html");
}

TEST(LanguageTextsTest, NoLanguageAsksInTheFirstLanguageAndHasNoGuide) {
    for (int language : {0, 4, -1}) {
        // The trash question is never asked without words.
        EXPECT_EQ(DeleteConfirmation(language, 3).question, DeleteConfirmation(1, 3).question);
        EXPECT_EQ(DeleteConfirmation(language, 3).title, DeleteConfirmation(1, 3).title);
        EXPECT_EQ(LanguageTargetName(language), "");
        EXPECT_EQ(LanguageTarget(language, "/opt/twinsweep/"), "");
    }
}
