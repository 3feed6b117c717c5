#pragma once
// The mark of a file in a protected folder, beside its name in the result lists and the sets.
#include <QIcon>

namespace twinsweep {

// A closed padlock, drawn once.
const QIcon& ProtectedIcon();
// A blank of the padlock's size.
const QIcon& NoMarkIcon();

} // namespace twinsweep
