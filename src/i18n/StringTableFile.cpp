#include "StringTableFile.h"

#include <map>
#include <optional>
#include <vector>

#include "Errors.h"

namespace twinsweep {

namespace {

enum class Section { None, Languages, CharSets, Table, Strings, List };

struct SectionName {
    const char* name;
    Section section;
    TranslationList list;
};

constexpr SectionName kSections[] = {
    {"Languages", Section::Languages, TranslationList::Captions},
    {"CharSets", Section::CharSets, TranslationList::Captions},
    {"Table", Section::Table, TranslationList::Captions},
    {"Strings", Section::Strings, TranslationList::Captions},
    {"Captions", Section::List, TranslationList::Captions},
    {"Hints", Section::List, TranslationList::Hints},
    {"DisplayLabels", Section::List, TranslationList::DisplayLabels},
    {"Fonts", Section::List, TranslationList::Fonts},
    {"MultiLines", Section::List, TranslationList::MultiLines},
    {"OtherStrings", Section::List, TranslationList::OtherStrings},
    {"Collections", Section::List, TranslationList::Collections},
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool IsValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        std::size_t length = c < 0x80           ? 1
                             : (c >> 5) == 0x6  ? 2
                             : (c >> 4) == 0xE  ? 3
                             : (c >> 3) == 0x1E ? 4
                                                : 0;
        if (length == 0 || i + length > s.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::optional<int> ParseSmallNumber(std::string_view s) {
    if (s.empty() || s.size() > 6)
        return std::nullopt;
    int n = 0;
    for (char c : s) {
        if (!IsDigit(c))
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::vector<std::string_view> SplitWords(std::string_view s) {
    std::vector<std::string_view> words;
    while (true) {
        s = Trim(s);
        if (s.empty() || s.front() == '#')
            return words;
        std::size_t end = 0;
        while (end < s.size() && !IsBlank(s[end]))
            ++end;
        words.push_back(s.substr(0, end));
        s.remove_prefix(end);
    }
}

class Parser {
public:
    explicit Parser(std::string fileName) : fileName_(std::move(fileName)) {}

    TStringTable Parse(std::string_view text) {
        if (text.substr(0, 3) == "\xEF\xBB\xBF")
            text.remove_prefix(3);
        while (!text.empty()) {
            ++lineNumber_;
            std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            ParseLine(line);
        }
        if (table_.LangNames().empty())
            throw Exception(fileName_ + ": no languages are listed under [Languages]");
        table_.SetLanguage(table_.LangNames().front());
        return std::move(table_);
    }

private:
    [[noreturn]] void Fail(const std::string& message) const {
        throw Exception(fileName_ + ":" + std::to_string(lineNumber_) + ": " + message);
    }

    void ParseLine(std::string_view raw) {
        if (!IsValidUtf8(raw))
            Fail("the line is not valid UTF-8");
        std::string_view line = Trim(raw);
        if (line.empty() || line.front() == '#')
            return;
        if (line.front() == '[') {
            StartSection(line);
            return;
        }
        switch (section_) {
        case Section::None:
            Fail("expected a section name such as [Languages] first");
        case Section::Languages:
            ParseLanguageName(line);
            return;
        case Section::CharSets: {
            auto [language, value] = ParseValueLine(line);
            if (language > static_cast<int>(table_.CharSets().size()))
                table_.CharSets().resize(language);
            table_.CharSets()[language - 1] = std::move(value);
            return;
        }
        case Section::Table:
            ParseOption(line);
            return;
        case Section::Strings:
        case Section::List:
            if (IsDigit(line.front()))
                ParseEntryValue(line);
            else
                StartEntry(line);
            return;
        }
    }

    void StartSection(std::string_view line) {
        if (line.back() != ']')
            Fail("a section name must end with ']'");
        std::string_view name = Trim(line.substr(1, line.size() - 2));
        for (const SectionName& known : kSections) {
            if (SameTextIgnoringCase(std::string(name), known.name)) {
                section_ = known.section;
                list_ = known.list;
                current_ = nullptr;
                return;
            }
        }
        Fail("unknown section [" + std::string(name) + "]");
    }

    void ParseLanguageName(std::string_view line) {
        auto number = ParseSmallNumber(Trim(line.substr(0, line.find('='))));
        int expected = static_cast<int>(table_.LangNames().size()) + 1;
        if (number && *number != expected)
            Fail("languages must be numbered 1, 2, 3, ... in order; expected " +
                 std::to_string(expected));
        auto [language, value] = ParseValueLine(line, /*checkLanguage=*/false);
        (void)language;
        table_.LangNames().push_back(std::move(value));
        table_.SetNumOfLanguages(expected);
    }

    void ParseOption(std::string_view line) {
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            Fail("expected 'TranslateType = ttNoChange' or 'TranslateType = ttGetDefault'");
        std::string name(Trim(line.substr(0, equals)));
        std::string value(Trim(line.substr(equals + 1)));
        if (!SameTextIgnoringCase(name, "TranslateType"))
            Fail("unknown option '" + name + "'");
        if (SameTextIgnoringCase(value, "ttNoChange"))
            table_.SetTranslateType(ttNoChange);
        else if (SameTextIgnoringCase(value, "ttGetDefault"))
            table_.SetTranslateType(ttGetDefault);
        else
            Fail("TranslateType must be ttNoChange or ttGetDefault");
    }

    // "<language> = "<text>"", with an optional comment after the closing quote.
    std::pair<int, std::string> ParseValueLine(std::string_view line, bool checkLanguage = true) {
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            Fail("expected '<language number> = \"text\"'");
        auto language = ParseSmallNumber(Trim(line.substr(0, equals)));
        if (!language || *language < 1)
            Fail("expected a language number from 1 before '='");
        if (checkLanguage && *language > table_.NumOfLanguages())
            Fail("language " + std::to_string(*language) + " is not listed under [Languages]");
        std::string_view rest = Trim(line.substr(equals + 1));
        if (rest.empty() || rest.front() != '"')
            Fail("the text must be written in double quotes");
        std::string value;
        std::size_t i = 1;
        for (;; ++i) {
            if (i >= rest.size())
                Fail("the closing double quote is missing");
            char c = rest[i];
            if (c == '"')
                break;
            if (c != '\\') {
                value += c;
                continue;
            }
            if (++i >= rest.size())
                Fail("the closing double quote is missing");
            switch (rest[i]) {
            case '"':
                value += '"';
                break;
            case '\\':
                value += '\\';
                break;
            case 'n':
                value += '\n';
                break;
            case 't':
                value += '\t';
                break;
            case 'u': {
                unsigned code = 0;
                for (int k = 1; k <= 4; ++k) {
                    char h = i + k < rest.size() ? rest[i + k] : '\0';
                    int digit = IsDigit(h)               ? h - '0'
                                : (h >= 'a' && h <= 'f') ? h - 'a' + 10
                                : (h >= 'A' && h <= 'F') ? h - 'A' + 10
                                                         : -1;
                    if (digit < 0)
                        Fail("\\u must be followed by four hexadecimal digits");
                    code = code * 16 + digit;
                }
                if (code == 0 || (code >= 0xD800 && code <= 0xDFFF))
                    Fail("\\u" + std::string(rest.substr(i + 1, 4)) + " is not a character");
                AppendUtf8(value, code);
                i += 4;
                break;
            }
            default:
                Fail(std::string("unknown escape \\") + rest[i] +
                     "; use \\\" \\\\ \\n \\t or \\uXXXX");
            }
        }
        std::string_view after = Trim(rest.substr(i + 1));
        if (!after.empty() && after.front() != '#')
            Fail("unexpected text after the closing double quote");
        return {*language, std::move(value)};
    }

    void StartEntry(std::string_view line) {
        std::vector<std::string_view> words = SplitWords(line);
        std::size_t expected = 1;
        const char* form = "a key such as IDS_0";
        if (section_ == Section::List) {
            switch (list_) {
            case TranslationList::MultiLines:
            case TranslationList::OtherStrings:
                expected = 2;
                form = "an element and a property, such as 'CB1 items'";
                break;
            case TranslationList::Collections:
                expected = 3;
                form = "an element, a collection and an item number, such as 'LV1 header 0'";
                break;
            default:
                form = "an element name";
                break;
            }
        }
        if (words.size() != expected)
            Fail(std::string("expected ") + form + " or a line '<language number> = \"text\"'");

        std::string id;
        for (std::string_view word : words)
            id += std::string(word) + ' ';
        if (section_ == Section::Strings) {
            for (char& c : id)
                if (c >= 'a' && c <= 'z')
                    c = static_cast<char>(c - 'a' + 'A');
        } else {
            id = std::to_string(static_cast<int>(list_)) + ' ' + id;
        }
        auto [previous, inserted] = entryLines_.emplace(id, lineNumber_);
        if (!inserted)
            Fail("'" + std::string(Trim(line)) + "' is already given at line " +
                 std::to_string(previous->second));

        givenLanguages_.clear();
        if (section_ == Section::Strings) {
            table_.Strings().push_back({std::string(words[0]), {}});
            current_ = &table_.Strings().back().texts;
            return;
        }
        TranslationEntry entry;
        entry.element = words[0];
        if (expected >= 2)
            entry.property = words[1];
        if (expected == 3) {
            auto item = ParseSmallNumber(words[2]);
            if (!item)
                Fail("the item number must be a whole number from 0");
            entry.item = *item;
        }
        std::vector<TranslationEntry>& list = table_.List(list_);
        list.push_back(std::move(entry));
        current_ = &list.back().values;
    }

    void ParseEntryValue(std::string_view line) {
        if (current_ == nullptr)
            Fail("a text needs an entry line (a key or an element name) above it");
        auto [language, value] = ParseValueLine(line);
        if (givenLanguages_.size() < static_cast<std::size_t>(language))
            givenLanguages_.resize(language);
        if (givenLanguages_[language - 1])
            Fail("language " + std::to_string(language) + " is given twice for this entry");
        givenLanguages_[language - 1] = true;
        current_->Set(language, std::move(value));
    }

    std::string fileName_;
    int lineNumber_ = 0;
    TStringTable table_;
    Section section_ = Section::None;
    TranslationList list_ = TranslationList::Captions;
    // Values of the entry being read; entries live in vectors that only grow at the back,
    // so this is re-pointed at every new entry.
    LanguageValues* current_ = nullptr;
    std::vector<bool> givenLanguages_;
    std::map<std::string, int> entryLines_;
};

} // namespace

TStringTable ParseStringTable(std::string_view text, const std::string& fileName) {
    return Parser(fileName).Parse(text);
}

} // namespace twinsweep
