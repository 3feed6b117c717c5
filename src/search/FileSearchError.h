#pragma once
// The error the search component raises for a rejected criterion.
#include "Errors.h"

namespace twinsweep {

class EFileSearchError : public Exception {
    using Exception::Exception;
};

} // namespace twinsweep
