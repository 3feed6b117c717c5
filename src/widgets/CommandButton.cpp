#include "CommandButton.h"

namespace twinsweep {

CommandButton::CommandButton(const QString& name, const QIcon& icon, QWidget* parent)
    : QToolButton(parent) {
    setObjectName(name);
    setIcon(icon);
    setIconSize(QSize(28, 28));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoRaise(true);
    setMinimumWidth(72);
}

} // namespace twinsweep
