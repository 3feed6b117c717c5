#pragma once
// A text naming a count comes as two keyed texts: one for a count in the singular, one for
// the plural (the language decides which counts take which, see TakesSingular).
#include <cstdint>
#include <string>

#include "StringTable.h"

namespace twinsweep {

// The keyed text `one` when `count` takes the singular in the table's active language,
// else the keyed text `many`.
std::string CountedKeyText(const TStringTable& table, const std::string& one,
                           const std::string& many, uint64_t count);

} // namespace twinsweep
