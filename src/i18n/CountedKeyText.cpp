#include "CountedKeyText.h"

#include "LanguageTexts.h"

namespace twinsweep {

std::string CountedKeyText(const TStringTable& table, const std::string& one,
                           const std::string& many, uint64_t count) {
    return table.GetKeyText(TakesSingular(table.ActiveLanguage(), count) ? one : many);
}

} // namespace twinsweep
