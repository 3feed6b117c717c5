#include "ByteSizeText.h"

#include "Globals.h"

namespace twinsweep {

QLocale LanguageLocale() {
    switch (LanguageIndex) {
    case 2:
        return QLocale(QLocale::Portuguese, QLocale::Brazil);
    case 3:
        return QLocale(QLocale::French, QLocale::France);
    default:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
}

QString ByteSizeText(int64_t bytes) {
    return LanguageLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

} // namespace twinsweep
