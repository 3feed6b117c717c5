#pragma once
// The one way the user's acts reach a window's commands: each runs through the standard
// error box, and one at a time. An act that arrives while a command runs (a message
// processed inside it) is dropped, so no command ever starts under another's feet.
#include <functional>

class QAbstractButton;
class QAction;
class QWidget;

namespace twinsweep {

class CommandRoute {
public:
    explicit CommandRoute(QWidget* window) : window_(window) {}

    void Run(const std::function<void()>& command);
    // The command as a slot for a signal.
    std::function<void()> To(std::function<void()> command);
    void Connect(QAction* action, std::function<void()> command);
    void Connect(QAbstractButton* button, std::function<void()> command);

    bool Busy() const { return busy_; }

    // Runs after each command that ran, still on the route.
    std::function<void()> followUp;

private:
    QWidget* window_;
    bool busy_ = false;
};

} // namespace twinsweep
