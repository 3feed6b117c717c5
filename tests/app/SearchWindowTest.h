#pragma once
#include <QObject>

class SearchWindowTest : public QObject {
    Q_OBJECT
private slots:
    void searchShowsProgressAndEndsWithTheSortedTable();
    void folderIsSearchedAsItIsNamed();
    void choicesWrittenToTheControlsReadBackTheSame();
    void criteriaControlsBecomeTheSearchCriteria();
    void sizeBoundsKeepEveryDigitAndRefuseWhatIsTooLarge();
    void dateBoundsFollowTheChosenDateAndTheirBoxes();
    void invalidExtensionEndsTheCommandWithTheErrorBox();
    void cancellingKeepsTheFilesFoundSoFarSorted();
    void searchFindingNothingEndsWithAnEmptyTable();
    void failedSearchShowsWhyAndComparesNothing();
    void cancellingTheFolderChoiceChangesNothing();
    void typedFolderIsCreatedOnlyAfterConfirmation();
    void chosenFolderKeepsTheBytesOfItsName();
    void typedFolderIsTheOneSearchedAndNoOtherIsAccepted();
    void moreFoldersProtectAndExclude();
};
