#pragma once
#include <QObject>

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void qtTextsAndLocaleFollowTheLanguage_data();
    void qtTextsAndLocaleFollowTheLanguage();
    void menuSwitchesEveryWindowBetweenAnyTwoLanguages();
    void menuWritesLineTwoAndKeepsTheRest();
    void folderDialogSpeaksTheLanguage();
    void titlesNameTheProgramOnce();
};
