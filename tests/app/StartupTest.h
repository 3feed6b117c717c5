#pragma once
#include <QObject>

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void missingSettingsFileIsCreatedAndTheDefaultsHold();
    void settingsChooseLanguageAndWelcomeWindow_data();
    void settingsChooseLanguageAndWelcomeWindow();
    void readingAloneNeverRewritesTheFile();
    void uncheckingTheBoxRewritesLineOneAndKeepsTheRest_data();
    void uncheckingTheBoxRewritesLineOneAndKeepsTheRest();
    void failingWriteOfTheBoxIsSilent();
    void readOnlyProgramFolderKeepsTheSettingsInTheUsersFolder();
    void unwritableSettingsFoldersShowOneErrorAndKeepTheWindowUsable();
    void settingsFifoIsRefusedWithoutWaiting();
    void hugeSettingsFileIsReadOnlyAsFarAsTheSettingsNeed();
    void onlyTheFirstActivationArmsTheTimer();
    void timerRunsTheSequenceOnceAfterTheWindowAppears();
    void everyWindowTakesTheLanguage();
    void pickersGetTodayAndKeepTheirOtherPart();
};
