#pragma once
// Whole-file comparison.
#include <string>

#include "FileReader.h"

namespace twinsweep {

enum class Comparison {
    Identical,  // two files, same length, same bytes, neither changed while read
    Different,  // another length or other bytes, or one changed while it was read
    SameFile,   // both paths name one file (links, bind mounts, overlays: OneFile.h)
    FirstGone,  // the first path names no readable regular file
    SecondGone, // the second path names no readable regular file
};

// Both files are read side by side in bounded blocks and the reading stops at the first
// difference, so memory stays small whatever the file size. `stampA`, when given, receives
// the first file's stamp as it was read.
Comparison CompareFiles(const std::string& pathA, const std::string& pathB,
                        FileStamp* stampA = nullptr);

// True when the two paths name two different files with the same bytes.
bool FilesIdentical(const std::string& pathA, const std::string& pathB);

} // namespace twinsweep
