// The main window's start-up: the first activation arms T2, whose tick runs the sequence once.
#include <QCheckBox>

#include "ConfigFolder.h"
#include "CriteriaPage.h"
#include "ErrorBox.h"
#include "Errors.h"
#include "Globals.h"
#include "LastSearch.h"
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
    RestoreLastSearch();
    DecideWelcomeWindow();
    if (!startProject_.empty())
        LoadProjectFile(std::exchange(startProject_, {}));
}

bool TForm1::ReadSettings() {
    TempDir = TemporaryFolder();
    AppDir = programFolder_;
    SettingsDir = SettingsFolder(programFolder_);
    const std::string path = SettingsDir + SettingsFileName;
    try {
        LB1 = ReadTextLines(path, SettingsReadLimit);
        return true;
    } catch (const Exception&) {
    }
    // A first start in the user's folder takes the settings the program's folder holds.
    if (SettingsDir != AppDir) {
        try {
            LB1 = ReadTextLines(AppDir + SettingsFileName, SettingsReadLimit);
        } catch (const Exception&) {
        }
    }
    try {
        WriteTextLines(path, LB1);
    } catch (const Exception& e) {
        ShowErrorBox(this, e.what());
        return false;
    }
    return true;
}

void TForm1::RestoreLastSearch() {
    try {
        if (auto last =
                LoadLastSearch(UserConfigFolder() + LastSearchFileName, ReadSearchChoices()))
            WriteSearchChoices(*last);
    } catch (const Exception&) {
        // No folder for the user's settings: the criteria start as they are.
    }
}

void TForm1::KeepLastSearch() const {
    try {
        SaveLastSearch(UserConfigFolder() + LastSearchFileName, ReadSearchChoices());
    } catch (const Exception&) {
        // Remembering the criteria is a courtesy; the search goes on without it.
    }
}

void TForm1::DecideWelcomeWindow() {
    const bool show = WelcomeFromSettings(LB1) != WelcomeChoice::Hide;
    form5_->CheckBox1->setChecked(show);
    if (show)
        form5_->ShowWelcome();
}

} // namespace twinsweep
