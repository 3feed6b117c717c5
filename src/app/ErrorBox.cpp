#include "ErrorBox.h"

#include <QApplication>

#include "Errors.h"
#include "MessageBoxes.h"

namespace twinsweep {

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

void ShowErrorBox(QWidget* parent, const std::string& message) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(),
                    QString::fromStdString(ErrorBoxText(message)), QMessageBox::Ok, parent);
    box.setObjectName("ErrorBox");
    ExecMessageBox(box);
}

void RunGuarded(QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        ShowErrorBox(parent, CurrentErrorText());
    }
}

} // namespace twinsweep
