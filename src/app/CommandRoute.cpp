#include "CommandRoute.h"

#include <QAbstractButton>
#include <QAction>
#include <QScopedValueRollback>

#include "ErrorBox.h"

namespace twinsweep {

void CommandRoute::Run(const std::function<void()>& command) {
    if (busy_)
        return;
    const QScopedValueRollback busy(busy_, true);
    RunGuarded(window_, command);
    if (followUp)
        RunGuarded(window_, followUp);
}

std::function<void()> CommandRoute::To(std::function<void()> command) {
    return [this, command = std::move(command)] { Run(command); };
}

void CommandRoute::Connect(QAction* action, std::function<void()> command) {
    QObject::connect(action, &QAction::triggered, window_, To(std::move(command)));
}

void CommandRoute::Connect(QAbstractButton* button, std::function<void()> command) {
    QObject::connect(button, &QAbstractButton::clicked, window_, To(std::move(command)));
}

} // namespace twinsweep
