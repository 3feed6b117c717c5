#include "FilesIdentical.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "FileReader.h"

namespace twinsweep {

bool FilesIdentical(const std::string& pathA, const std::string& pathB) {
    constexpr size_t BlockSize = 256 * 1024;
    FileReader a(pathA), b(pathB);
    if (!a.IsOpen() || !b.IsOpen() || a.Size() != b.Size())
        return false;
    const size_t bufferSize = static_cast<size_t>(std::min<int64_t>(BlockSize, a.Size()));
    std::vector<char> blockA(bufferSize), blockB(bufferSize);
    for (int64_t offset = 0; offset < a.Size(); offset += BlockSize) {
        const size_t length = static_cast<size_t>(std::min<int64_t>(BlockSize, a.Size() - offset));
        if (!a.ReadAt(offset, blockA.data(), length) || !b.ReadAt(offset, blockB.data(), length) ||
            std::memcmp(blockA.data(), blockB.data(), length) != 0)
            return false;
    }
    return true;
}

} // namespace twinsweep
