#pragma once
// Plain Qt widgets standing in for the custom widgets, offering the calls the windows make.
#include <QLCDNumber>
#include <QLabel>
#include <functional>
#include <QProgressBar>
#include <QToolButton>
#include <QWidget>

namespace twinsweep {

// A counter showing a short decimal text, as a segment display.
class CounterDisplay : public QLCDNumber {
public:
    explicit CounterDisplay(const QString& name, QWidget* parent = nullptr);
    QString Indicatorstring() const { return text_; }
    void setIndicatorstring(const QString& text);

private:
    QString text_;
};

// A command button with a picture; clicked() and setEnabled() are all the windows use.
class CommandButton : public QToolButton {
public:
    CommandButton(const QString& name, const QIcon& icon, QWidget* parent = nullptr);
};

// The moving band shown while a search or scan runs.
class WaitingBand : public QProgressBar {
public:
    explicit WaitingBand(const QString& name, QWidget* parent = nullptr);
};

// A label that looks and acts like a link: a left click runs onClick.
class LinkLabel : public QLabel {
public:
    explicit LinkLabel(const QString& name, QWidget* parent = nullptr);
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A decorative band painted as a colour gradient.
class GradientPanel : public QWidget {
public:
    explicit GradientPanel(const QString& name, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace twinsweep
