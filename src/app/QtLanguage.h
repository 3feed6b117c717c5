#pragma once
// Qt's own texts (the standard buttons of message boxes and button boxes, file dialogs,
// calendars) and the default locale, in the program's language.
#include <QLocale>

namespace twinsweep {

// Installs Qt's translation for `locale` in place of the one installed before, and makes
// `locale` the default of QLocale and of every widget without a locale of its own. False
// when Qt's translation for that language is not installed: its texts then stay English.
bool UseQtLanguage(const QLocale& locale);

// Back to Qt's built-in English texts and the system's locale.
void ResetQtLanguage();

} // namespace twinsweep
