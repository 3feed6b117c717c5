#pragma once
#include <QObject>

class ProjectWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theWholeStateSavesAndLoadsBack();
    void aFileThatDoesNotLoadChangesNothing();
    void aProjectNamedAtStartOpensAfterTheStartUp();
    void aProjectSavedInOneLanguageLoadsInAnother();
    void aSearchAfterOpeningAProjectListsOnlyItsOwnFiles();
};
