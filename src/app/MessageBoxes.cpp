#include "MessageBoxes.h"

#include <QGridLayout>
#include <QGuiApplication>

namespace twinsweep {

namespace {

// The title the window system gets: Qt adds the display name unless the title ends with it.
QString ShownTitle(const QString& title) {
    const QString program = QGuiApplication::applicationDisplayName();
    if (title.isEmpty())
        return program;
    return title.endsWith(program) ? title : title + " \u2014 " + program;
}

} // namespace

int TitleWidth(const QMessageBox& box) {
    // Frames draw titles in a bold font, often larger than the window's.
    QFont font = box.font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(ShownTitle(box.windowTitle())) * 5 / 4 + 6 * metrics.height();
}

QMessageBox::StandardButton ExecMessageBox(QMessageBox& box) {
    // QMessageBox sizes itself to its layout's minimum width when shown: an empty row of
    // that width below the buttons widens it.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(
            new QSpacerItem(TitleWidth(box), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, grid->columnCount());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton ShowMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& title, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           const QString& details) {
    QMessageBox box(icon, title, text, buttons, parent);
    if (!details.isEmpty())
        box.setDetailedText(details);
    return ExecMessageBox(box);
}

} // namespace twinsweep
