#include "ErrorBoxTest.h"

#include <QTest>

#include "CommandRoute.h"
#include "ErrorBox.h"
#include "Errors.h"
#include "TestWindows.h"

using namespace twinsweep;

void ErrorBoxTest::appendsAFullStopOnlyAfterCharactersSortingAfterIt() {
    QCOMPARE(ErrorBoxText("Cannot open file"), std::string("Cannot open file."));
    QCOMPARE(ErrorBoxText("value 7"), std::string("value 7.")); // '7' sorts after '.'
    QCOMPARE(ErrorBoxText("Done."), std::string("Done."));
    QCOMPARE(ErrorBoxText("Really!"), std::string("Really!")); // '!' sorts before '.'
    QCOMPARE(ErrorBoxText("(x)"), std::string("(x)"));
    QCOMPARE(ErrorBoxText(""), std::string(""));
    QCOMPARE(ErrorBoxText("caf\xc3\xa9"), std::string("caf\xc3\xa9.")); // bytes above 127
}

void ErrorBoxTest::guardedHandlersShowTheirErrorAndTheProgramGoesOn() {
    bool after = false;
    const QStringList shown = AnswerMessageBoxes([&] {
        RunGuarded(nullptr, [] { throw EConvertError("'x' is not a valid integer value"); });
        after = true;
    });
    QCOMPARE(shown, QStringList{"'x' is not a valid integer value."});
    QVERIFY(after);
}

void ErrorBoxTest::theRouteRunsOneCommandAtATime() {
    CommandRoute route(nullptr);
    QStringList ran;
    const QStringList shown = AnswerMessageBoxes([&] {
        route.Run([&] {
            ran << "outer";
            route.Run([&] { ran << "inner"; }); // as if clicked while the outer one runs
            throw EConvertError("failed");
        });
        route.Run([&] { ran << "next"; });
    });
    QCOMPARE(ran, (QStringList{"outer", "next"}));
    QCOMPARE(shown, QStringList{"failed."});
    QVERIFY(!route.Busy());
}
