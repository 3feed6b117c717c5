#include "InputBlock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

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

bool IsInside(const QObject* watched, const QWidget& open) {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget && widget->window() == open.window();
}

} // namespace

InputBlock::InputBlock(QWidget* open) : open_(open) {
    QCoreApplication::instance()->installEventFilter(this);
}

InputBlock::~InputBlock() { QCoreApplication::instance()->removeEventFilter(this); }

bool InputBlock::eventFilter(QObject* watched, QEvent* event) {
    if (!IsUserInput(event))
        return false;
    // A real event reaches the window system's window (a QWindow) before the widget it is for.
    if (open_ && (watched == open_->window()->windowHandle() || IsInside(watched, *open_)))
        return false;
    event->ignore();
    return true;
}

} // namespace twinsweep
