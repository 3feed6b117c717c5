#pragma once
// Message boxes as wide as their titles: the window manager cuts a title that is wider than
// its window, and a box sized to a short text is narrow.
#include <QMessageBox>

namespace twinsweep {

// The width the title needs on the window's frame: the title as shown (Qt adds the
// program's name to it) and room for the frame's icon and buttons.
int TitleWidth(const QMessageBox& box);

// Runs `box` modally, at least TitleWidth wide; the button that closed it. Set its texts
// first: setting an informative or detailed text lays the box out anew.
QMessageBox::StandardButton ExecMessageBox(QMessageBox& box);

// A modal box fitted to its title, with `details` behind its details button when there are
// any; the button that closed it.
QMessageBox::StandardButton ShowMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& title, const QString& text,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                           const QString& details = {});

} // namespace twinsweep
