#include "Globals.h"

namespace twinsweep {

std::string AppDir;
std::string SettingsDir;
int LanguageIndex = 0;
bool CancelRequested = false;
bool ScanStarted = false;

} // namespace twinsweep
