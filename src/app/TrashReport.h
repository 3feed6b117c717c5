#pragma once
// Tells the user what a move to the trash did: how many files went and their bytes, and
// which chosen files stayed where they were, and why.
#include <vector>

#include "KeepReasonKeys.h"
#include "ResultLists.h"
#include "StringTable.h"
#include "TrashTally.h"

class QWidget;

namespace twinsweep {

// What was done to the files that went: moved to the trash, or replaced by clones or links.
enum class ActDone { Trashed, Replaced };

// Asks whether the selected duplicates should go to the trash (their files and bytes);
// with none selected, says so instead. True when the user said yes.
bool ConfirmTrash(QWidget* parent, const TStringTable& texts, const FilesTally& selected);

// One message: the main window's "IDS_63"/"IDS_64" with the files moved, titled "IDS_65"
// ("IDS_79"/"IDS_80" and "IDS_81" for files replaced);
// when some stayed, titled "IDS_20" and followed by "IDS_21" and a line per kept file with
// its reason, "IDS_22" to "IDS_26", or "IDS_50" to "IDS_52" in place of "IDS_22" to
// "IDS_24" for kept copies.
void ReportTrashed(QWidget* parent, const TStringTable& texts, const FilesTally& moved,
                   const std::vector<KeptDuplicate>& kept,
                   CheckedAgainst against = CheckedAgainst::Reference,
                   ActDone done = ActDone::Trashed);

} // namespace twinsweep
