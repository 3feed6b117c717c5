#include "SearchCriteria.h"

namespace twinsweep {
namespace {

bool PassesBefore(TDateTime value, TDateTime bound) {
    if (bound == 0)
        return true;
    if (bound == DateTimeInt(bound))
        return DateTimeInt(value) <= bound;
    if (bound > 0 && bound < 1)
        return DateTimeFrac(value) <= bound;
    return value <= bound;
}

bool PassesAfter(TDateTime value, TDateTime bound) {
    if (bound == 0)
        return true;
    if (bound == DateTimeInt(bound))
        return DateTimeInt(value) >= bound;
    if (bound > 0 && bound < 1)
        return DateTimeFrac(value) >= bound;
    return value >= bound;
}

bool PassesTime(const timespec& time, TDateTime before, TDateTime after) {
    if (before == 0 && after == 0)
        return true;
    return PassesTimeBounds(UnixToLocalDateTime(time), before, after);
}

} // namespace

bool PassesTimeBounds(TDateTime value, TDateTime before, TDateTime after) {
    return PassesBefore(value, before) && PassesAfter(value, after);
}

bool SearchCriteria::Accepts(const std::string& folder, std::string_view upperFolder,
                             std::string_view name, const FileStatus& status) const {
    const TFileAttributes own = TFileAttributes::FromAttributeWord(status.AttributeWord());
    if (exactAttribute ? own != attributes : !own.Empty() && !own.Intersects(attributes))
        return false;

    const bool isFolder = status.kind == FileKind::Directory;
    if (!isFolder &&
        ((sizeMin != 0 && status.size < sizeMin) || (sizeMax != 0 && status.size > sizeMax)))
        return false;

    if (!PassesTime(status.created, createdBefore, createdAfter) ||
        !PassesTime(status.written, modifiedBefore, modifiedAfter) ||
        !PassesTime(status.accessed, accessedBefore, accessedAfter))
        return false;

    if (!exclusions.empty()) {
        const std::string upperName = UpperCaseAscii(name);
        for (const ExclusionMask& line : exclusions)
            if (line.Matches(upperFolder, upperName))
                return false;
    }

    if (containing.Empty() || isFolder)
        return true;
    // Only regular files are read: links are not followed and special files never opened.
    return status.kind == FileKind::Regular && containing.FoundIn(folder + std::string(name));
}

} // namespace twinsweep
