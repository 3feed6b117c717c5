#include "FileAttributes.h"

#include "AttributeWord.h"

namespace twinsweep {

TFileAttributes TFileAttributes::FromAttributeWord(uint32_t word) {
    TFileAttributes set;
    if (word & faArchive)
        set.Include(ffArchive);
    if (word & faReadOnly)
        set.Include(ffReadonly);
    if (word & faHidden)
        set.Include(ffHidden);
    if (word & faSysFile)
        set.Include(ffSystem);
    if (word & faDirectory)
        set.Include(ffDirectory);
    return set;
}

} // namespace twinsweep
