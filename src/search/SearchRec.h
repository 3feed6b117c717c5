#pragma once
// The record a search hands to its OnFound handler for every reported entry.
#include <cstdint>
#include <ctime>
#include <string>

#include "AttributeWord.h"

namespace twinsweep {

// The listing's full information: times in UTC at full precision, and the size.
struct TFindData {
    timespec CreationTime{};
    timespec LastAccessTime{};
    timespec LastWriteTime{};
    int64_t FileSize = 0;
};

struct TSearchRec {
    // Last-write time as packed DOS local date and time; 0 outside 1980..2107.
    int32_t Time = 0;
    // Size in bytes; 0 for folders and symbolic links.
    int64_t Size = 0;
    // Windows-style attribute word (faArchive, faReadOnly, faHidden, faSysFile, faDirectory).
    uint32_t Attr = 0;
    // Name without its folder.
    std::string Name;
    TFindData FindData;
};

} // namespace twinsweep
