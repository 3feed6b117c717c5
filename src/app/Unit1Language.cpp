// The main window's language: the five windows' string tables, Qt's own texts, the locale
// of the dates and sizes shown, and the Language menu.
#include <QAction>

#include "ByteSizeText.h"
#include "CriteriaPage.h"
#include "Globals.h"
#include "LocaleFormats.h"
#include "QtLanguage.h"
#include "SetsTab.h"
#include "Settings.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

namespace twinsweep {

void TForm1::ActivateLanguage() {
    const QLocale locale = LanguageLocale();
    // Before the tables, so that no retranslation by Qt overwrites a table's text.
    UseQtLanguage(locale);
    // A language a table lacks raises, and the error box says so.
    for (TStringTable* table : {&StringTable1, &form2_->StringTable1, &form3_->StringTable1,
                                &form4_->StringTable1, &form5_->StringTable1})
        table->SetActiveLanguage(LanguageIndex);
    session.SetDateFormats(FormatSettingsFor(locale));
    WriteTableCaptions();
    TB2->TableTextsChanged();
    TB1->ShowDatesIn(locale);
    setsTab_->TextsChanged();
    CheckLanguage(*this, LanguageIndex);
}

void TForm1::ChooseLanguage(int language) {
    LanguageIndex = language;
    ActivateLanguage();
    StoreLanguageSetting(LB1, language);
    WriteSettingsQuietly(LB1);
}

void TForm1::Language1Click() { ChooseLanguage(1); }
void TForm1::Language2Click() { ChooseLanguage(2); }
void TForm1::Language3Click() { ChooseLanguage(3); }

} // namespace twinsweep
