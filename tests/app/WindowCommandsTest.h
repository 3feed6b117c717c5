#pragma once
#include <QObject>

class WindowCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void guideButtonAndAboutLinkOpenTheSamePagePerLanguage();
    void welcomeCommandBringsTheOpenWindowToTheFront();
    void escapeClosesTheWelcomeWindow();
    void aboutWindowIsModalAndClosesWithItsButton();
    void pickersFollowTheirCheckBoxes();
    void everyElementIsThereByName();
    void everyElementOfTheLanguageFilesIsInItsWindow();
    void picturesDecodeAndBadFilesGiveNothing();
};
