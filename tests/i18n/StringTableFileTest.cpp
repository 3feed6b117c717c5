#include "StringTableFile.h"

#include <gtest/gtest.h>

#include "Errors.h"

using namespace twinsweep;

TEST(StringTableFileTest, ReadsEverySection) {
    const std::string text = "\xEF\xBB\xBF# comment\r\n"
                             "[Languages]\r\n"
                             "1 = \"English\"\r\n"
                             "  2=\"Português\"  # trailing comment\r\n"
                             "\r\n"
                             "[Table]\n"
                             "TranslateType = ttGetDefault\n"
                             "[CharSets]\n"
                             "2 = \"PORTUGUESE\"\n"
                             "[Strings]\n"
                             "IDS_15\n"
                             "1 = \" duplicates found.\"\n"
                             "ids_3\n"
                             "2 = \"a \\\"b\\\" \\\\ \\tc\\nd\\u00A0e\"\n"
                             "[Captions]\n"
                             "TForm1\n"
                             "1 = \"Main\"\n"
                             "2 = \"\"\n"
                             "[MultiLines]\n"
                             "RG1   items\n"
                             "1 = \"a\\nb\"\n"
                             "[Collections]\n"
                             "LV1 header 12 # twelfth\n"
                             "2 = \"Nome\"\n"
                             "[captions]\n" // sections may repeat and ignore case
                             "BT1\n";
    TStringTable table = ParseStringTable(text, "TForm1.lang");

    EXPECT_EQ(table.NumOfLanguages(), 2);
    EXPECT_EQ(table.LangNames(), (std::vector<std::string>{"English", "Português"}));
    EXPECT_EQ(table.Language(), "English");
    EXPECT_EQ(table.ActiveLanguage(), 1);
    EXPECT_EQ(table.TranslateType(), ttGetDefault);
    EXPECT_EQ(table.CharSets(), (std::vector<std::string>{"", "PORTUGUESE"}));

    ASSERT_EQ(table.Strings().size(), 2u);
    EXPECT_EQ(table.Strings()[0].texts.Get(1), " duplicates found.");
    EXPECT_EQ(table.Strings()[1].key, "ids_3");
    EXPECT_EQ(table.Strings()[1].texts.Get(1), "");
    EXPECT_EQ(table.Strings()[1].texts.Get(2), "a \"b\" \\ \tc\nd\xC2\xA0"
                                               "e");

    ASSERT_EQ(table.Captions().size(), 2u);
    EXPECT_EQ(table.Captions()[0].element, "TForm1");
    EXPECT_EQ(table.Captions()[0].values.Get(1), "Main");
    EXPECT_EQ(table.Captions()[1].element, "BT1");
    EXPECT_EQ(table.Captions()[1].values.Get(1), "");

    ASSERT_EQ(table.MultiLines().size(), 1u);
    EXPECT_EQ(table.MultiLines()[0].element, "RG1");
    EXPECT_EQ(table.MultiLines()[0].property, "items");
    EXPECT_EQ(table.MultiLines()[0].values.Get(1), "a\nb");

    ASSERT_EQ(table.Collections().size(), 1u);
    EXPECT_EQ(table.Collections()[0].property, "header");
    EXPECT_EQ(table.Collections()[0].item, 12);
    EXPECT_EQ(table.Collections()[0].values.Get(2), "Nome");
}

TEST(StringTableFileTest, MalformedLinesNameFileAndLine) {
    const std::string languages = "[Languages]\n1 = \"English\"\n2 = \"Français\"\n";
    struct Case {
        std::string text;
        std::string message; // expected start of the error
    };
    const Case cases[] = {
        {"1 = \"x\"\n", "x.lang:1: expected a section"},
        {"[Languages\n", "x.lang:1: a section name must end"},
        {"[Labels]\n", "x.lang:1: unknown section [Labels]"},
        {"[Languages]\n2 = \"French\"\n", "x.lang:2: languages must be numbered"},
        {"[Languages]\nEnglish\n", "x.lang:2: expected '<language number>"},
        {languages + "[Strings]\n1 = \"x\"\n", "x.lang:5: a text needs an entry line"},
        {languages + "[Strings]\nIDS_0\n3 = \"x\"\n", "x.lang:6: language 3 is not listed"},
        {languages + "[Strings]\nIDS_0\n0 = \"x\"\n", "x.lang:6: expected a language number"},
        {languages + "[Strings]\nIDS_0\n1 = x\n",
         "x.lang:6: the text must be written in double quotes"},
        {languages + "[Strings]\nIDS_0\n1 = \"x\n",
         "x.lang:6: the closing double quote is missing"},
        {languages + "[Strings]\nIDS_0\n1 = \"\\q\"\n", "x.lang:6: unknown escape \\q"},
        {languages + "[Strings]\nIDS_0\n1 = \"\\u00G0\"\n", "x.lang:6: \\u must be followed"},
        {languages + "[Strings]\nIDS_0\n1 = \"x\" y\n", "x.lang:6: unexpected text after"},
        {languages + "[Strings]\nIDS_0\n1 = \"x\"\n1 = \"y\"\n",
         "x.lang:7: language 1 is given twice"},
        {languages + "[Strings]\nIDS_0\n\nids_0\n", "x.lang:7: 'ids_0' is already given at line 5"},
        {languages + "[OtherStrings]\nBT1\n", "x.lang:5: expected an element and a property"},
        {languages + "[Collections]\nLV1 header\n", "x.lang:5: expected an element, a collection"},
        {languages + "[Hints]\nBT1\n[Hints]\nBT1\n", "x.lang:7: 'BT1' is already given at line 5"},
        {languages + "[Table]\nTranslateType = ttSometimes\n", "x.lang:5: TranslateType must be"},
        {languages + "[Captions]\nBT1\n1 = \"\xC3\"\n", "x.lang:6: the line is not valid UTF-8"},
        {"# nothing\n", "x.lang: no languages are listed"},
    };
    for (const Case& c : cases) {
        try {
            ParseStringTable(c.text, "x.lang");
            ADD_FAILURE() << "accepted:\n" << c.text;
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u)
                << "got: " << e.what() << "\nexpected: " << c.message;
        }
    }
}

TEST(StringTableFileTest, SameElementMayAppearInDifferentListsOrWithOtherItems) {
    const std::string text = "[Languages]\n1 = \"English\"\n"
                             "[Captions]\nBT1\n[Hints]\nBT1\n"
                             "[Collections]\nLV1 header 0\nLV1 header 1\nLV1 item 0\n";
    TStringTable table = ParseStringTable(text, "x.lang");
    EXPECT_EQ(table.Captions().size(), 1u);
    EXPECT_EQ(table.Hints().size(), 1u);
    EXPECT_EQ(table.Collections().size(), 3u);
}
