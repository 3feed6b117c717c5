#pragma once
// The search of the main window without the window: every file below a folder into a
// file table, through a threaded TFileSearch and a HeadlessHost.
#include "FileTable.h"
#include "HeadlessHost.h"

#include <string>

namespace twinsweep::bench {

// Mask "*.*", subfolders, every attribute, no size or date bound. The date cells stay
// empty. Returns once the search's OnComplete has run; the table is not sorted.
void SearchIntoTable(const std::string& folder, HeadlessHost& host, FileTable& table);

} // namespace twinsweep::bench
