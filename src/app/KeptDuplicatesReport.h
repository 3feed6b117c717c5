#pragma once
// Tells the user which chosen duplicates stayed where they were, and why.
#include <vector>

#include "ResultLists.h"
#include "StringTable.h"

class QWidget;

namespace twinsweep {

// Nothing is shown when `kept` is empty. The texts are the main window's "IDS_20" to "IDS_26".
void ReportKeptDuplicates(QWidget* parent, const TStringTable& texts,
                          const std::vector<KeptDuplicate>& kept);

} // namespace twinsweep
