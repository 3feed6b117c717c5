#pragma once
// The criteria a search copies when it starts, and the test of each candidate entry.
#include <string>
#include <string_view>
#include <vector>

#include "ContentPattern.h"
#include "DateTime.h"
#include "DirectoryListing.h"
#include "ExclusionMask.h"
#include "FileAttributes.h"
#include "TextLines.h"

namespace twinsweep {

// Whether value passes an upper (before) and a lower (after) bound. 0 is no bound; a whole
// number bounds the date only, a value between 0 and 1 the time of day only, anything else
// the whole value.
bool PassesTimeBounds(TDateTime value, TDateTime before, TDateTime after);

struct SearchCriteria {
    bool subfolders = true;
    TFileAttributes attributes;
    bool exactAttribute = false;
    bool includeHidden = true; // false: dot-names are neither listed nor entered
    TDateTime createdBefore = 0, createdAfter = 0;
    TDateTime modifiedBefore = 0, modifiedAfter = 0;
    TDateTime accessedBefore = 0, accessedAfter = 0;
    int64_t sizeMin = 0, sizeMax = 0;
    ContentPattern containing{"", true};
    std::vector<ExclusionMask> exclusions;
    TextLines targets;

    // The entry test: attributes, size, the three times, the exclusion lines, then the
    // content. upperFolder is folder in upper case, needed only when there are exclusions.
    bool Accepts(const std::string& folder, std::string_view upperFolder, std::string_view name,
                 const FileStatus& status) const;
};

} // namespace twinsweep
