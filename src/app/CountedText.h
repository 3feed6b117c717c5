#pragma once
// Counts in messages, as the active language writes them.
#include <cstdint>
#include <string>

#include "StringTable.h"

namespace twinsweep {

// A count with the active language's digit grouping: "2,035,398" in English.
std::string CountText(uint64_t count);

// The keyed text `one` or `many` as the count takes (CountedKeyText), its first %s the
// count and its second `next`.
std::string CountedText(const TStringTable& texts, const std::string& one, const std::string& many,
                        uint64_t count, const std::string& next = {});

} // namespace twinsweep
