#include "Globals.h"

namespace twinsweep {

std::string AppDir;
int LanguageIndex = 0;
bool CancelRequested = false;
bool ScanStarted = false;

} // namespace twinsweep
