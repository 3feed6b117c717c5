#include "KeepReasonKeys.h"

namespace twinsweep {

const char* KeepReasonKey(KeepReason reason, CheckedAgainst against) {
    const bool reference = against == CheckedAgainst::Reference;
    switch (reason) {
    case KeepReason::ReferenceGone:
        return reference ? "IDS_22" : "IDS_50";
    case KeepReason::SameFile:
        return reference ? "IDS_23" : "IDS_51";
    case KeepReason::Changed:
        return reference ? "IDS_24" : "IDS_52";
    case KeepReason::DuplicateGone:
        return "IDS_25";
    case KeepReason::TrashFailed:
        return "IDS_26";
    case KeepReason::Protected:
        return "IDS_70";
    case KeepReason::ReplaceFailed:
        return "IDS_74";
    case KeepReason::NoClones:
        return "IDS_82";
    case KeepReason::OtherFileSystem:
        return "IDS_83";
    case KeepReason::KeptGoneWithIt:
        return reference ? "IDS_84" : "IDS_85";
    case KeepReason::PutBackFailed:
        return "IDS_86";
    }
    return "";
}

} // namespace twinsweep
