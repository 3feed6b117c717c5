#pragma once
// TStringTable: one window's texts in several languages, and the keyed texts the code
// looks up at run time. Texts are UTF-8. Languages are numbered from 1.
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace twinsweep {

// What an empty translation does when a language is applied.
enum TTranslateType {
    ttNoChange,  // leave the property as it is
    ttGetDefault // take the language-1 value instead
};

// The translation lists, in the order a language switch applies them.
enum class TranslationList {
    Captions,
    Hints,
    DisplayLabels,
    Fonts,
    MultiLines,
    OtherStrings,
    Collections
};

// One value per language; a missing or empty value means "no translation".
class LanguageValues {
public:
    LanguageValues() = default;
    LanguageValues(std::initializer_list<std::string> values) : values_(values) {}

    // The value of `language` (from 1); empty when there is none.
    const std::string& Get(int language) const;
    void Set(int language, std::string value);

private:
    std::vector<std::string> values_;
};

// An entry of the Strings list: a key such as "IDS_12" with its texts.
struct KeyedText {
    std::string key;
    LanguageValues texts;
};

// An entry of a translation list. `element` names an element of the window, or the window
// itself. `property` is used by MultiLines, OtherStrings and Collections; `item` by
// Collections only.
struct TranslationEntry {
    std::string element;
    std::string property;
    int item = 0;
    LanguageValues values;
};

// The window a table translates. Implemented by the toolkit binding.
class TranslationTarget {
public:
    virtual ~TranslationTarget() = default;

    // The window's own name: entries naming it translate the window itself.
    virtual std::string WindowName() const = 0;
    // Whether the window is `name` or has an element of that name.
    virtual bool HasElement(const std::string& name) const = 0;
    // Sets the entry's property to `value`. `charSet` is the active language's character
    // set (Fonts only; may be empty).
    virtual void Apply(TranslationList list, const TranslationEntry& entry,
                       const std::string& value, const std::string& charSet) = 0;
};

class TStringTable {
public:
    TStringTable() = default;

    int NumOfLanguages() const { return numOfLanguages_; }
    // At least 1; the active language is lowered to fit.
    void SetNumOfLanguages(int n);

    int ActiveLanguage() const { return activeLanguage_; }
    // Switches the target window (if any) to language n. Refuses n outside
    // 1..NumOfLanguages with an Exception; then nothing changes.
    void SetActiveLanguage(int n);
    // Applies the active language to the target, whether or not it is already shown.
    void Translate();

    // The target window; the table does not own it. May be null.
    TranslationTarget* Target() const { return target_; }
    void SetTarget(TranslationTarget* target) { target_ = target; }

    TTranslateType TranslateType() const { return translateType_; }
    void SetTranslateType(TTranslateType type) { translateType_ = type; }

    // Display names of the languages; Language() is the name of the active one.
    std::vector<std::string>& LangNames() { return langNames_; }
    const std::vector<std::string>& LangNames() const { return langNames_; }
    const std::string& Language() const { return language_; }
    void SetLanguage(std::string name) { language_ = std::move(name); }

    // Character set of each language's fonts, one per language.
    std::vector<std::string>& CharSets() { return charSets_; }
    const std::vector<std::string>& CharSets() const { return charSets_; }

    std::vector<KeyedText>& Strings() { return strings_; }
    const std::vector<KeyedText>& Strings() const { return strings_; }

    std::vector<TranslationEntry>& List(TranslationList list);
    const std::vector<TranslationEntry>& List(TranslationList list) const;
    std::vector<TranslationEntry>& Captions() { return List(TranslationList::Captions); }
    std::vector<TranslationEntry>& Hints() { return List(TranslationList::Hints); }
    std::vector<TranslationEntry>& DisplayLabels() { return List(TranslationList::DisplayLabels); }
    std::vector<TranslationEntry>& Fonts() { return List(TranslationList::Fonts); }
    std::vector<TranslationEntry>& MultiLines() { return List(TranslationList::MultiLines); }
    std::vector<TranslationEntry>& OtherStrings() { return List(TranslationList::OtherStrings); }
    std::vector<TranslationEntry>& Collections() { return List(TranslationList::Collections); }

    // The keyed text for the active language, falling back to language 1 when empty;
    // empty when no entry has the key (compared without regard to letter case).
    std::string GetKeyText(const std::string& key) const;
    // The entry with that key (ignoring case), or null.
    const KeyedText* FindKey(const std::string& key) const;

private:
    void ApplyEntry(TranslationList list, const TranslationEntry& entry);

    static constexpr int kListCount = 7;

    int numOfLanguages_ = 1;
    int activeLanguage_ = 1;
    TTranslateType translateType_ = ttNoChange;
    std::vector<std::string> langNames_;
    std::string language_;
    std::vector<std::string> charSets_;
    std::vector<KeyedText> strings_;
    std::vector<TranslationEntry> lists_[kListCount];
    TranslationTarget* target_ = nullptr;
};

// Compares two texts, ASCII letters without regard to case.
bool SameTextIgnoringCase(const std::string& a, const std::string& b);

} // namespace twinsweep
