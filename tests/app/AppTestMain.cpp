#include <QApplication>
#include <QTest>

#include "ErrorBoxTest.h"
#include "LanguageTest.h"
#include "MessageTextsTest.h"
#include "ProjectWindowTest.h"
#include "ResultListsViewTest.h"
#include "ScanWindowTest.h"
#include "SearchWindowTest.h"
#include "SetsPageTest.h"
#include "StartupTest.h"
#include "TestFolder.h"
#include "WindowActSequencesTest.h"
#include "WindowCommandsTest.h"

int main(int argc, char* argv[]) {
    // Files sent to the trash land in a trash of the test's own.
    TestFolder data;
    setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Twinsweep");
    int failures = 0;
    ErrorBoxTest errorBox;
    failures += QTest::qExec(&errorBox, argc, argv);
    StartupTest startup;
    failures += QTest::qExec(&startup, argc, argv);
    SearchWindowTest search;
    failures += QTest::qExec(&search, argc, argv);
    ScanWindowTest scan;
    failures += QTest::qExec(&scan, argc, argv);
    WindowCommandsTest commands;
    failures += QTest::qExec(&commands, argc, argv);
    ResultListsViewTest resultLists;
    failures += QTest::qExec(&resultLists, argc, argv);
    ProjectWindowTest projects;
    failures += QTest::qExec(&projects, argc, argv);
    SetsPageTest setsPage;
    failures += QTest::qExec(&setsPage, argc, argv);
    MessageTextsTest messageTexts;
    failures += QTest::qExec(&messageTexts, argc, argv);
    LanguageTest language;
    failures += QTest::qExec(&language, argc, argv);
    WindowActSequencesTest actSequences;
    failures += QTest::qExec(&actSequences, argc, argv);
    return failures == 0 ? 0 : 1;
}
