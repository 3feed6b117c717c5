#pragma once
// What a long operation is given by its caller: keepGoing runs between steps (the caller
// processes pending window messages there) and answers false once the user cancelled;
// progress hears how much is left. Either may be empty.
#include <functional>

namespace twinsweep {

struct LongWork {
    LongWork(std::function<bool()> keepGoing = {}, std::function<void(int left)> progress = {})
        : keepGoing(std::move(keepGoing)), progress(std::move(progress)) {}

    std::function<bool()> keepGoing;
    std::function<void(int left)> progress;

    bool KeepGoing() const { return !keepGoing || keepGoing(); }
    void Progress(int left) const {
        if (progress)
            progress(left);
    }
};

} // namespace twinsweep
