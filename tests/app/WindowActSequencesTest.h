#pragma once
#include <QObject>

class WindowActSequencesTest : public QObject {
    Q_OBJECT
private slots:
    void randomActsKeepTheWindowTrueToItsSession();
};
