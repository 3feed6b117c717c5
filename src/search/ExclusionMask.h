#pragma once
// One line of ExcludeFiles, matched against an entry's full path.
#include <string>
#include <string_view>

namespace twinsweep {

// ASCII letters turned to upper case; other bytes kept.
std::string UpperCaseAscii(std::string_view text);

// The line's folder part (up to its last separator) must end the entry's folder exactly;
// its name part is matched against the entry's name from the left without backtracking:
// "?" never matches a ".", and a "*" stops at a "." of the name and resumes after the
// mask's next ".". Both sides compare in upper case.
class ExclusionMask {
public:
    explicit ExclusionMask(std::string_view line);

    // folder ends in the separator; both arguments are already upper-cased.
    bool Matches(std::string_view upperFolder, std::string_view upperName) const;

private:
    bool NameMatches(std::string_view name) const;

    std::string folder_;
    std::string name_;
};

} // namespace twinsweep
