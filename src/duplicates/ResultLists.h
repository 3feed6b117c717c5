#pragma once
// The results of a duplicate scan: one reference per group (LBB1, its position is the group
// number), the duplicates (LBB2) with the group of each (LL1, decimal text, parallel to
// LBB2), and LL2, which only project files carry.
#include "TextLines.h"

namespace twinsweep {

struct ResultLists {
    TextLines LBB1;
    TextLines LBB2;
    TextLines LL1;
    TextLines LL2;
};

} // namespace twinsweep
