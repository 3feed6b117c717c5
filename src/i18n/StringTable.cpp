#include "StringTable.h"

#include <cctype>

#include "Errors.h"

namespace twinsweep {

namespace {

const std::string kEmpty;

constexpr TranslationList kListOrder[] = {
    TranslationList::Captions,   TranslationList::Hints,      TranslationList::DisplayLabels,
    TranslationList::Fonts,      TranslationList::MultiLines, TranslationList::OtherStrings,
    TranslationList::Collections};

// The lists that may hold the window's own caption, hint and font, applied first.
constexpr TranslationList kWindowLists[] = {TranslationList::Captions, TranslationList::Hints,
                                            TranslationList::Fonts};

} // namespace

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (x != y && (x >= 0x80 || y >= 0x80 || std::tolower(x) != std::tolower(y)))
            return false;
    }
    return true;
}

const std::string& LanguageValues::Get(int language) const {
    if (language < 1 || static_cast<std::size_t>(language) > values_.size())
        return kEmpty;
    return values_[language - 1];
}

void LanguageValues::Set(int language, std::string value) {
    if (language < 1)
        return;
    if (static_cast<std::size_t>(language) > values_.size())
        values_.resize(language);
    values_[language - 1] = std::move(value);
}

void TStringTable::SetNumOfLanguages(int n) {
    if (n == numOfLanguages_)
        return;
    if (n < 1)
        throw Exception("A string table needs at least one language");
    numOfLanguages_ = n;
    if (activeLanguage_ > n)
        activeLanguage_ = n;
}

void TStringTable::SetActiveLanguage(int n) {
    if (n == activeLanguage_)
        return;
    if (n < 1 || n > numOfLanguages_)
        throw Exception(std::to_string(n) +
                        " - is not a valid property value!\nValue must be within [1.." +
                        std::to_string(numOfLanguages_) + "]!");
    activeLanguage_ = n;
    if (static_cast<std::size_t>(n) <= langNames_.size())
        language_ = langNames_[n - 1];
    Translate();
}

void TStringTable::Translate() {
    if (target_ == nullptr)
        return;
    const std::string window = target_->WindowName();
    for (TranslationList list : kWindowLists)
        for (const TranslationEntry& entry : List(list))
            if (entry.element == window)
                ApplyEntry(list, entry);
    for (TranslationList list : kListOrder)
        for (const TranslationEntry& entry : List(list))
            if (entry.element != window && target_->HasElement(entry.element))
                ApplyEntry(list, entry);
}

void TStringTable::ApplyEntry(TranslationList list, const TranslationEntry& entry) {
    const std::string* value = &entry.values.Get(activeLanguage_);
    if (value->empty() && translateType_ == ttGetDefault)
        value = &entry.values.Get(1);
    if (value->empty())
        return;
    const bool hasCharSet = list == TranslationList::Fonts &&
                            static_cast<std::size_t>(activeLanguage_) <= charSets_.size();
    const std::string& charSet = hasCharSet ? charSets_[activeLanguage_ - 1] : kEmpty;
    target_->Apply(list, entry, *value, charSet);
}

std::vector<TranslationEntry>& TStringTable::List(TranslationList list) {
    return lists_[static_cast<int>(list)];
}

const std::vector<TranslationEntry>& TStringTable::List(TranslationList list) const {
    return lists_[static_cast<int>(list)];
}

const KeyedText* TStringTable::FindKey(const std::string& key) const {
    for (const KeyedText& entry : strings_)
        if (SameTextIgnoringCase(entry.key, key))
            return &entry;
    return nullptr;
}

std::string TStringTable::GetKeyText(const std::string& key) const {
    const KeyedText* entry = FindKey(key);
    if (entry == nullptr)
        return {};
    const std::string& text = entry->texts.Get(activeLanguage_);
    return text.empty() ? entry->texts.Get(1) : text;
}

} // namespace twinsweep
