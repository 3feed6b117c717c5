#pragma once
// A scan of the session's table while the scan's progress window is open: the window's
// cancel stays the only input taken, and what the scan found so far is shown as it goes.
#include <functional>

namespace twinsweep {

class Host;
class ResultListsView;
class Session;
class TForm3;

// True when the scan ran to its end. `showTable` shows the table as the scan empties it.
bool ScanShowingProgress(Session& session, Host& host, TForm3& window, ResultListsView& lists,
                         const std::function<void()>& showTable);

} // namespace twinsweep
