#include "SizeBox.h"

#include <QLineEdit>
#include <algorithm>

#include "ProjectFile.h"

namespace twinsweep {

namespace {

// Digits beyond these cannot be a size: they are refused as any other character.
constexpr qsizetype MostDigits = 18;

} // namespace

SizeBox::SizeBox(QWidget* parent) : QAbstractSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    lineEdit()->setText("0");
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { ShowRange(); });
}

int64_t SizeBox::Parsed() const {
    const QString text = lineEdit()->text();
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    return ok ? number : text.isEmpty() ? 0 : -1;
}

int64_t SizeBox::value() const { return std::clamp<int64_t>(Parsed(), 0, MaxSizeKB); }

void SizeBox::setValue(int64_t value) {
    lineEdit()->setText(QString::number(std::clamp<int64_t>(value, 0, MaxSizeKB)));
}

bool SizeBox::InRange() const {
    const int64_t number = Parsed();
    return number >= 0 && number <= MaxSizeKB;
}

QValidator::State SizeBox::validate(QString& input, int&) const {
    if (input.size() > MostDigits ||
        !std::all_of(input.begin(), input.end(), [](QChar c) { return c.isDigit(); }))
        return QValidator::Invalid;
    return input.isEmpty() ? QValidator::Intermediate : QValidator::Acceptable;
}

void SizeBox::fixup(QString& input) const {
    if (input.isEmpty())
        input = "0";
}

void SizeBox::stepBy(int steps) {
    setValue(value() + steps);
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled SizeBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value() > 0)
        enabled |= StepDownEnabled;
    if (value() < MaxSizeKB)
        enabled |= StepUpEnabled;
    return enabled;
}

void SizeBox::ShowRange() {
    QPalette colours = palette();
    const bool inRange = InRange();
    colours.setColor(QPalette::Text, inRange ? QPalette().color(QPalette::Text) : Qt::red);
    lineEdit()->setPalette(colours);
    lineEdit()->setToolTip(inRange || !limitText ? QString() : limitText());
}

} // namespace twinsweep
