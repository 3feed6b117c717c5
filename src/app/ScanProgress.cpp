#include "ScanProgress.h"

#include "BusyWork.h"
#include "Globals.h"
#include "MessagePacer.h"
#include "ResultListsView.h"
#include "Session.h"
#include "Unit3.h"

namespace twinsweep {

bool ScanShowingProgress(Session& session, Host& host, TForm3& window, ResultListsView& lists,
                         const std::function<void()>& showTable) {
    // Messages are processed often, so that Cancel answers at once; the lists, the table,
    // the counters and the progress text are shown again only a few times a second, so
    // that a long scan spends its time comparing, not painting.
    int filesLeft = session.Table().FileCount();
    ScanBytes bytes;
    auto showProgress = [&] {
        lists.ShowAppended();
        showTable();
        window.ShowFilesLeft(filesLeft);
        window.ShowBytesCompared(bytes.Compared(), bytes.Total());
    };
    MessagePacer display(std::chrono::milliseconds(250));
    const ResultListsView::Appending appending(lists);
    BusyWork busy(
        host, &window,
        [&] {
            if (display.Due())
                showProgress();
        },
        [] { return CancelRequested; });
    bool shown = false;
    busy.Work().progress = [&](int left) {
        filesLeft = left;
        if (!std::exchange(shown, true))
            showProgress(); // the window starts with this scan's figures, its total included
    };
    const bool completed = session.Scan(busy.Work(), &bytes);
    showProgress();
    return completed;
}

} // namespace twinsweep
