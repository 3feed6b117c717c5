#include "InputBlock.h"

#include <QCoreApplication>
#include <QEvent>

namespace twinsweep {

namespace {

bool IsUserInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    case QEvent::Close: // the frame's close button, not a close the program asks for
        return event->spontaneous();
    default:
        return false;
    }
}

} // namespace

InputBlock::InputBlock(QWidget* open) : open_(open) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputBlock::~InputBlock() { QCoreApplication::instance()->removeEventFilter(this); }

bool InputBlock::eventFilter(QObject* watched, QEvent* event) {
    if (!IsUserInput(event))
        return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (open_ && widget && widget->window() == open_->window())
        return false;
    event->ignore();
    return true;
}

} // namespace twinsweep
