#pragma once
// Date and time pickers hold a TDateTime, as QDateTime.
#include <QDateTime>

#include "DateTime.h"

namespace twinsweep {

TDateTime ToDateTime(const QDateTime& value);
QDateTime ToQDateTime(TDateTime value);

} // namespace twinsweep
