#pragma once
#include <QObject>

class ScanWindowTest : public QObject {
    Q_OBJECT
private slots:
    void keysBrowseTheReferencesAndEveryMenuCommandHasOne();
    void searchEndsInTheReportWithTheFirstGroupSelected();
    void reportNamesNoneOneOrTheCount();
    void reportAndSizesFollowTheActiveLanguage();
    void cancelledScanResumesToTheUninterruptedLists();
    void deleteMovesTheSelectedDuplicatesToTheTrash();
    void deleteKeyWithAnyModifierAsksAndNoChangesNothing();
    void clickingADuplicateFollowsItsGroupAndSwapExchangesThem();
    void aClickedReferenceStaysWhenTheDuplicatesTakeTheFocus();
    void aClickOnTheCurrentEntryActsAsOnAnyOther();
    void openingUsesTheShellAndNeedsACurrentEntry();
    void openFolderOpensTheFolderOfTheListRightClicked();
    void noInputReachesTheMainWindowWhileTrashing();
    void escapeAndTheCloseButtonCancelTheScan();
    void escapeThroughTheWindowStopsARunningScan();
    void duplicatesThatStayAreReportedInOneMessage();
    void theReferenceViewRepaintsTheGroupsItShows();
};
