#pragma once
// When two paths name one file, so that neither is a duplicate of the other.
#include "FileReader.h"
#include "FileSystems.h"

namespace twinsweep {

// Whether the stamps taken through two paths are of one file: the same device and inode,
// or the same inode number and size on two devices either of which is a stacked file
// system, as an overlay's file and the lower file it shows. Trashing one of those takes the
// other's bytes with it. Their file handles cannot prove them two files: handles compare
// within one file system only, and an overlay gives none (EOPNOTSUPP) unless asked for a
// bare identifier (AT_HANDLE_FID), which then holds the lower file's own handle under
// another mount id. So no handle is asked. `typeOfA()` and `typeOfB()` give the file
// systems' types (FileSystems.h), asked only for such a pair.
template <class TypeOfA, class TypeOfB>
bool OneFile(const FileStamp& a, const FileStamp& b, const TypeOfA& typeOfA,
             const TypeOfB& typeOfB) {
    if (a.SameFile(b))
        return true;
    if (a.id.inode != b.id.inode || a.size != b.size)
        return false;
    return IsStacked(typeOfA()) || IsStacked(typeOfB());
}

} // namespace twinsweep
