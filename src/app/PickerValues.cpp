#include "PickerValues.h"

namespace twinsweep {

TDateTime ToDateTime(const QDateTime& value) {
    const QDate d = value.date();
    const QTime t = value.time();
    const TDateTime date = EncodeDate(d.year(), d.month(), d.day());
    const TDateTime time = EncodeTime(t.hour(), t.minute(), t.second(), t.msec());
    return date < 0 ? date - time : date + time;
}

QDateTime ToQDateTime(TDateTime value) {
    const DateParts d = DecodeDate(value);
    const TimeParts t = DecodeTime(value);
    return QDateTime(QDate(d.year, d.month, d.day),
                     QTime(t.hour, t.minute, t.second, t.millisecond));
}

} // namespace twinsweep
