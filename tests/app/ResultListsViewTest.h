#pragma once
#include <QObject>

class ResultListsViewTest : public QObject {
    Q_OBJECT
private slots:
    void modelShowsOnlyTheLinesItWasToldOf();
    void appendedEntriesAreLaidOutWholeOnceAppendingEnds();
};
