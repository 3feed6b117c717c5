#pragma once
#include <QObject>

class ErrorBoxTest : public QObject {
    Q_OBJECT
private slots:
    void appendsAFullStopOnlyAfterCharactersSortingAfterIt();
    void guardedHandlersShowTheirErrorAndTheProgramGoesOn();
    void theRouteRunsOneCommandAtATime();
};
