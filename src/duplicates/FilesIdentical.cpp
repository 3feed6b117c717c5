#include "FilesIdentical.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "FileReader.h"
#include "OneFile.h"

namespace twinsweep {

Comparison CompareFiles(const std::string& pathA, const std::string& pathB, FileStamp* stampA) {
    constexpr size_t BlockSize = 256 * 1024;
    FileReader a(pathA), b(pathB);
    if (!a.IsOpen())
        return Comparison::FirstGone;
    if (stampA)
        *stampA = a.Stamp();
    if (!b.IsOpen())
        return Comparison::SecondGone;
    if (OneFile(
            a.Stamp(), b.Stamp(), [&] { return FileSystemType(pathA); },
            [&] { return FileSystemType(pathB); }))
        return Comparison::SameFile;
    if (a.Size() != b.Size())
        return Comparison::Different;
    const size_t bufferSize = static_cast<size_t>(std::min<int64_t>(BlockSize, a.Size()));
    std::vector<char> blockA(bufferSize), blockB(bufferSize);
    for (int64_t offset = 0; offset < a.Size(); offset += BlockSize) {
        const size_t length = static_cast<size_t>(std::min<int64_t>(BlockSize, a.Size() - offset));
        if (!a.ReadAt(offset, blockA.data(), length) || !b.ReadAt(offset, blockB.data(), length) ||
            std::memcmp(blockA.data(), blockB.data(), length) != 0)
            return Comparison::Different;
    }
    // What was read must still be what the paths hold.
    return a.Unchanged(pathA) && b.Unchanged(pathB) ? Comparison::Identical : Comparison::Different;
}

bool FilesIdentical(const std::string& pathA, const std::string& pathB) {
    return CompareFiles(pathA, pathB) == Comparison::Identical;
}

} // namespace twinsweep
