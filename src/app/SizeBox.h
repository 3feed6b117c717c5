#pragma once
// A box for a size in kilobytes, from 0 to MaxSizeKB. Every digit typed stays: a number
// above the largest one is shown in the error colour with the limit as its tool tip, and
// InRange() says so, until the user mends it.
#include <QAbstractSpinBox>
#include <cstdint>
#include <functional>

namespace twinsweep {

class SizeBox : public QAbstractSpinBox {
public:
    explicit SizeBox(QWidget* parent = nullptr);

    // The number shown, at most MaxSizeKB.
    int64_t value() const;
    void setValue(int64_t value);
    bool InRange() const;

    // The tool tip of a number out of range.
    std::function<QString()> limitText;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;

private:
    // The digits as a number; -1 when there are too many for any size.
    int64_t Parsed() const;
    void ShowRange();
};

} // namespace twinsweep
