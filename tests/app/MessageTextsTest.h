#pragma once
#include <QObject>

class MessageTextsTest : public QObject {
    Q_OBJECT
private slots:
    void scanReportGroupsDigitsAndCountsTheExtraCopies();
    void scanReportNamesWhatCouldNotBeListedOrRead();
    void resultsTrashCountsEachFileOnce();
    void resultsTrashWithNothingSelectedSaysSo();
    void setsTrashAndExportSayWhatWasDoneInTheSingular();
    void messageBoxesAreAsWideAsTheirTitles();
    void sizeBoundsAreInKibibytes();
    void aFileThatIsNoProjectIsCalledSo();
};
