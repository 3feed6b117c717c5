#pragma once
// Why a chosen file stayed, as the main window's string table words it.
#include "ResultLists.h"

namespace twinsweep {

// What a kept file was checked against: its group's reference, or a copy its set keeps.
enum class CheckedAgainst { Reference, KeptCopy };

// The key of the text that explains `reason` in the table "TForm1"; it holds %s for the
// detail.
const char* KeepReasonKey(KeepReason reason, CheckedAgainst against);

} // namespace twinsweep
