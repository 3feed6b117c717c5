#pragma once
#include <QObject>

class SetsPageTest : public QObject {
    Q_OBJECT
private slots:
    void marksKeepAFileInEverySetAndTheTrashRechecksIt();
    void theToolbarTrashActsOnTheMarksAndMarksEndWithTheirLists();
    void replacedFilesKeepTheirNamesAndLeaveTheSets();
};
