#pragma once
// Tells the user which chosen duplicates stayed where they were, and why.
#include <vector>

#include "ResultLists.h"
#include "StringTable.h"

class QWidget;

namespace twinsweep {

// What a kept file was checked against: its group's reference, or a copy its set keeps.
enum class CheckedAgainst { Reference, KeptCopy };

// Nothing is shown when `kept` is empty. The texts are the main window's "IDS_20" to "IDS_26",
// and "IDS_50" to "IDS_52" in place of "IDS_22" to "IDS_24" for kept copies.
void ReportKeptDuplicates(QWidget* parent, const TStringTable& texts,
                          const std::vector<KeptDuplicate>& kept,
                          CheckedAgainst against = CheckedAgainst::Reference);

} // namespace twinsweep
