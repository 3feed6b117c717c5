#pragma once
// Amounts of bytes as the user reads them, in the conventions of the active language.
#include <QLocale>
#include <QString>
#include <cstdint>

namespace twinsweep {

// The locale of LanguageIndex: English (United States), Portuguese (Brazil) or French
// (France); English while no language is active.
QLocale LanguageLocale();

// In units of 1024 with one decimal: "56 bytes", "1.5 MB"; "1,5 Mo" in French.
QString ByteSizeText(int64_t bytes);

} // namespace twinsweep
