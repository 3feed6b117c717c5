#pragma once
// Process-wide values, read and written on the UI thread only.
#include <string>

namespace twinsweep {

extern std::string AppDir;      // the program folder, ending in "/"; set by the start-up sequence
extern std::string SettingsDir; // the folder of "conf.dat", ending in "/"; set with AppDir
extern int LanguageIndex;       // 1..3 once the start-up sequence has run; 0 before
extern bool CancelRequested;    // the user asked to cancel the running search or scan
extern bool ScanStarted;        // a duplicate scan is running

} // namespace twinsweep
