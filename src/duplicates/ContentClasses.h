#pragma once
// Sorting files into classes of identical content, reading each file as few times as
// possible. Files are compared byte for byte; a hash only ever proves that two blocks differ.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace twinsweep {

struct ClassifyLimits {
    size_t maxOpenFiles = 128;       // files kept open at once when read side by side
    size_t blockSize = 128 * 1024;   // bytes read from each of them per round
    size_t firstProbe = 64 * 1024;   // first block read from files of a larger set
    size_t largestProbe = 4 << 20;   // the probe doubles up to this size
};

// For each path, the number of its class when at least one other path has the same
// content, or -1 when it has none or cannot be read (a file that cannot be read is
// different from every other). keepGoing runs between reads; when it returns false the
// classification stops and the result is empty.
std::optional<std::vector<int>> ClassifyByContent(const std::vector<std::string>& paths,
                                                  const std::function<bool()>& keepGoing,
                                                  const ClassifyLimits& limits = {});

} // namespace twinsweep
