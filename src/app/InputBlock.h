#pragma once
// While a long command processes window messages, the user's input must not start another
// one (a new search, a second delete) under its feet. An InputBlock swallows every user
// input event of the application's windows, except those of one window left open (the
// command's own progress window with its cancel button), while it lives. Painting and
// timers go on.
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace twinsweep {

class InputBlock : public QObject {
public:
    explicit InputBlock(QWidget* open = nullptr);
    ~InputBlock() override;
    InputBlock(const InputBlock&) = delete;
    InputBlock& operator=(const InputBlock&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> open_;
};

} // namespace twinsweep
