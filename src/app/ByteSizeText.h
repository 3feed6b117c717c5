#pragma once
// Sizes and dates as the active language writes them.
#include <QLocale>
#include <QString>
#include <cstdint>

namespace twinsweep {

// The locale of LanguageIndex: English (US), Portuguese (Brazil) or French (France).
QLocale LanguageLocale();

// A size for people, "1.5 MB" in the active language's conventions.
QString ByteSizeText(int64_t bytes);

} // namespace twinsweep
