#pragma once
#include <QToolButton>

namespace twinsweep {

// A command button with a picture; clicked() and setEnabled() are all the windows use.
class CommandButton : public QToolButton {
public:
    CommandButton(const QString& name, const QIcon& icon, QWidget* parent = nullptr);
};

} // namespace twinsweep
