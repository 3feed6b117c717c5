#pragma once
// The standard error box, and the wrapper every event handler runs through so that no
// exception crosses the event loop.
#include <functional>
#include <string>

class QWidget;

namespace twinsweep {

// The message as shown: "." appended when it is not empty and its last character sorts
// after ".".
std::string ErrorBoxText(const std::string& message);

// A modal box with the error icon, the application's title and an OK button.
void ShowErrorBox(QWidget* parent, const std::string& message);

// Runs a handler; an error it raises ends it and is shown in the standard error box.
void RunGuarded(QWidget* parent, const std::function<void()>& handler);

} // namespace twinsweep
