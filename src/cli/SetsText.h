#pragma once
// The sets of identical files as the command prints them: text for people (a block a set,
// a blank line between), or the export's CSV, JSON or JSON lines.
#include <string>
#include <vector>

#include "CliTexts.h"
#include "CommandLine.h"
#include "DuplicateSets.h"
#include "PathStore.h"

namespace twinsweep {

// Text: "Set 1: 3 files of 1.2 MB, 2.4 MB to free", then each file indented; with an action,
// each file begins with "keep" or the action's word by its mark, and a protected file
// ends with its note.
std::string SetsOutput(const std::vector<DuplicateSet>& sets, const PathStore& paths,
                       OutputFormat format, CliAction action, const CliTexts& texts);

} // namespace twinsweep
