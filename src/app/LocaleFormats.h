#pragma once
// The user's date and time formats, from the system locale.
#include <QLocale>

#include "DateTimeText.h"

namespace twinsweep {

// The short date and long time formats of `locale` in the format language of DateTimeText.
TFormatSettings FormatSettingsFor(const QLocale& locale);

} // namespace twinsweep
