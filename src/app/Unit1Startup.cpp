// The main window's start-up: the first activation arms T2, whose tick runs the sequence once.
#include <QCheckBox>

#include "CriteriaPage.h"
#include "ErrorBox.h"
#include "Globals.h"
#include "Settings.h"
#include "SystemFolders.h"
#include "ThreadTimer.h"
#include "Unit1.h"
#include "Unit5.h"

namespace twinsweep {

void TForm1::FormCreate() {
    ActivatedOnce = false;
    SearchFolder.clear();
}

void TForm1::FormActivate() {
    if (ActivatedOnce)
        return;
    ActivatedOnce = true;
    T2->SetEnabled(true);
}

void TForm1::T2Timer() {
    T2->SetEnabled(false);
    if (!ReadSettings())
        return;
    LanguageIndex = LanguageFromSettings(LB1);
    ActivateLanguage();
    TB1->SetBoundsToNow();
    session.SetChoices(ReadSearchChoices()); // the criteria of the last search, when kept
    if (session.RestoreLastSearch())
        WriteSearchChoices(session.Choices());
    DecideWelcomeWindow();
    if (!startProject_.empty())
        LoadProjectFile(std::exchange(startProject_, {}));
}

bool TForm1::ReadSettings() {
    TempDir = TemporaryFolder();
    AppDir = programFolder_;
    SettingsDir = SettingsFolder(programFolder_);
    try {
        LB1 = ReadOrMakeSettings(SettingsDir, AppDir);
    } catch (const Exception& e) {
        ShowErrorBox(this, e.what());
        return false;
    }
    return true;
}

void TForm1::DecideWelcomeWindow() {
    const bool show = WelcomeFromSettings(LB1) != WelcomeChoice::Hide;
    form5_->CheckBox1->setChecked(show);
    if (show)
        form5_->ShowWelcome();
}

} // namespace twinsweep
