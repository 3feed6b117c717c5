#include "CountedText.h"

#include "ByteSizeText.h"
#include "CountedKeyText.h"
#include "Errors.h"

namespace twinsweep {

std::string CountText(uint64_t count) {
    return LanguageLocale().toString(static_cast<qulonglong>(count)).toStdString();
}

std::string CountedText(const TStringTable& texts, const std::string& one, const std::string& many,
                        uint64_t count, const std::string& next) {
    return FormatMessage(CountedKeyText(texts, one, many, count), {CountText(count), next});
}

} // namespace twinsweep
