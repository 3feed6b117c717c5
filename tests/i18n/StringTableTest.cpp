#include "StringTable.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

#include "Errors.h"

using namespace twinsweep;

namespace {

// Records what a language switch applies, in order.
class RecordingTarget : public TranslationTarget {
public:
    std::set<std::string> elements{"TForm9", "BT1", "Label1"};
    std::vector<std::string> applied;

    std::string WindowName() const override { return "TForm9"; }
    bool HasElement(const std::string& name) const override { return elements.count(name) > 0; }
    void Apply(TranslationList list, const TranslationEntry& entry, const std::string& value,
               const std::string& charSet) override {
        std::string record = std::to_string(static_cast<int>(list)) + ":" + entry.element;
        if (!entry.property.empty())
            record += "." + entry.property + "[" + std::to_string(entry.item) + "]";
        record += "=" + value;
        if (!charSet.empty())
            record += "/" + charSet;
        applied.push_back(record);
    }
};

TranslationEntry Entry(std::string element, LanguageValues values, std::string property = {},
                       int item = 0) {
    return {std::move(element), std::move(property), item, std::move(values)};
}

class StringTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        table.SetNumOfLanguages(3);
        table.LangNames() = {"English", "Português", "Français"};
        table.SetLanguage("English");
        table.CharSets() = {"ANSI", "", "ANSI_FR"};
        // Entries are listed out of the order of application on purpose.
        table.Collections() = {Entry("BT1", {"c1", "c2", "c3"}, "item", 2)};
        table.Captions() = {Entry("BT1", {"Search", "Pesquisar", ""}),
                            Entry("Ghost", {"g1", "g2", "g3"}),
                            Entry("TForm9", {"Main", "Principal", "Principale"})};
        table.Hints() = {Entry("Label1", {"h1", "h2", "h3"}),
                         Entry("TForm9", {"wh1", "wh2", "wh3"})};
        table.Fonts() = {Entry("TForm9", {"Sans", "", "Serif"})};
        table.OtherStrings() = {Entry("Label1", {"o1", "o2", "o3"}, "statusTip")};
        table.Strings() = {{"IDS_0", {"File", "Arquivo", "Fichier"}},
                           {"IDS_15", {" found.", "", " trouvés."}}};
        table.SetTarget(&target);
    }

    TStringTable table;
    RecordingTarget target;
};

} // namespace

TEST_F(StringTableTest, SwitchAppliesWindowFirstThenListsInOrderSkippingMissingElements) {
    table.SetActiveLanguage(3);
    EXPECT_EQ(table.ActiveLanguage(), 3);
    EXPECT_EQ(table.Language(), "Français");
    // Empty values (BT1's caption, none for language 2's font) leave the property alone.
    const std::vector<std::string> expected{"0:TForm9=Principale",      "1:TForm9=wh3",
                                            "3:TForm9=Serif/ANSI_FR",   "1:Label1=h3",
                                            "5:Label1.statusTip[0]=o3", "6:BT1.item[2]=c3"};
    EXPECT_EQ(target.applied, expected);
}

TEST_F(StringTableTest, GetDefaultFillsEmptyValuesFromLanguageOne) {
    table.SetTranslateType(ttGetDefault);
    table.SetActiveLanguage(3);
    EXPECT_EQ(target.applied.at(0), "0:TForm9=Principale");
    EXPECT_NE(std::find(target.applied.begin(), target.applied.end(), "0:BT1=Search"),
              target.applied.end());
    table.SetActiveLanguage(2);
    EXPECT_EQ(std::count(target.applied.begin(), target.applied.end(), "3:TForm9=Sans"), 1);
}

TEST_F(StringTableTest, SameLanguageChangesNothing) {
    table.SetActiveLanguage(1); // the default
    EXPECT_TRUE(target.applied.empty());
    table.SetActiveLanguage(2);
    target.applied.clear();
    table.SetActiveLanguage(2);
    EXPECT_TRUE(target.applied.empty());
    EXPECT_EQ(table.Language(), "Português");
}

TEST_F(StringTableTest, OutOfRangeLanguageIsRefusedAndChangesNothing) {
    table.SetActiveLanguage(2);
    target.applied.clear();
    for (int n : {0, 4, -1}) {
        try {
            table.SetActiveLanguage(n);
            FAIL() << "language " << n << " was accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), std::to_string(n) +
                                                 " - is not a valid property value!\n"
                                                 "Value must be within [1..3]!");
        }
    }
    EXPECT_EQ(table.ActiveLanguage(), 2);
    EXPECT_EQ(table.Language(), "Português");
    EXPECT_TRUE(target.applied.empty());
}

TEST_F(StringTableTest, LanguageWithoutNameKeepsPreviousName) {
    table.LangNames().resize(1);
    table.SetActiveLanguage(3);
    EXPECT_EQ(table.Language(), "English");
}

TEST_F(StringTableTest, KeyedTextsIgnoreCaseAndFallBackToLanguageOne) {
    EXPECT_EQ(table.GetKeyText("ids_0"), "File");
    EXPECT_EQ(table.GetKeyText("IDS_1"), "");
    EXPECT_EQ(table.GetKeyText("IDS_"), "");
    table.SetActiveLanguage(2);
    EXPECT_EQ(table.GetKeyText("Ids_0"), "Arquivo");
    EXPECT_EQ(table.GetKeyText("IDS_15"), " found.");
    table.SetActiveLanguage(3);
    EXPECT_EQ(table.GetKeyText("IDS_15"), " trouvés.");
}

TEST(SameTextIgnoringCaseTest, OnlyAsciiLettersFold) {
    EXPECT_TRUE(SameTextIgnoringCase("IDS_12", "ids_12"));
    EXPECT_FALSE(SameTextIgnoringCase("IDS_1", "IDS_12"));
    EXPECT_FALSE(SameTextIgnoringCase("É", "é"));
    EXPECT_FALSE(SameTextIgnoringCase("[", "{")); // '[' + 32 == '{'
}
