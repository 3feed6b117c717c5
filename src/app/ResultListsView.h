#pragma once
// Shows the session's result lists in the window: the references (LBB1) and the
// duplicates (LBB2) in their list views, with their counters (Ld3, Ld4). The lists are the
// truth; the views follow them on Refresh() and the Show calls. What the user does in the
// views reaches the session only through the acts given to Connect, run on the window's
// command route.
#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "Session.h"

class QListView;
class QMenu;

namespace twinsweep {

class CommandRoute;
class TZarvoLiquidIndicator;
class PathListModel;
class TStringTable;

class ResultListsView : public QObject {
public:
    // Files in protected folders show a mark whose tool tip `texts` words.
    ResultListsView(Session& session, const TStringTable& texts, QListView* references,
                    TZarvoLiquidIndicator* referenceCount, QListView* duplicates,
                    TZarvoLiquidIndicator* duplicateCount);

    // The window's commands for the user's acts; the views' current entries and the
    // duplicates' selection are handed to the session on the route, before the act runs.
    struct Acts {
        std::function<void()> referenceChosen;     // LBB1's current entry changed or clicked
        std::function<void()> duplicateChosen;     // LBB2's current entry changed or clicked
        std::function<void()> referenceOpened;     // double click in LBB1
        std::function<void()> duplicateOpened;     // double click in LBB2
        std::function<void(int key)> duplicateKey; // a key pressed in LBB2
    };
    // `menu` pops up on a right click in either view.
    void Connect(CommandRoute& route, QMenu* menu, Acts acts);
    // The current entry of the view with the keyboard focus, else of the view the menu last
    // popped up in; none when it has none.
    std::optional<std::string> MenuEntry() const;

    // Everything again: the entries, the current ones, the selection, the counters.
    void Refresh();
    // Entries appended at the ends of the lists (a running scan), and the counters.
    void ShowAppended();
    // While it lives, entries are appended to the lists (a running scan): the views lay
    // out their rows in batches between messages, so that showing what was appended costs
    // little however long the lists are. Afterwards they lay out every row in one pass
    // again, once the batches under way have ended.
    class Appending {
    public:
        explicit Appending(ResultListsView& view);
        ~Appending();
        Appending(const Appending&) = delete;
        Appending& operator=(const Appending&) = delete;

    private:
        ResultListsView& view_;
    };
    void ShowCurrentReference();
    // The duplicates' current entry as the lists have it, none included: a view that takes
    // the focus without one makes its first entry current on its own.
    void ShowCurrentDuplicate();
    void ShowDuplicateSelection();
    // The current entries were exchanged: their texts changed, and the reference may be
    // another.
    void ShowSwapped();

private:
    void ShowCounts();

    Session& session_;
    const ResultLists& lists_;
    QListView* references_;
    TZarvoLiquidIndicator* referenceCount_;
    QListView* duplicates_;
    TZarvoLiquidIndicator* duplicateCount_;
    PathListModel* referencesModel_;
    PathListModel* duplicatesModel_;
    bool showing_ = false; // the views are being set from the lists, not by the user
    QListView* menuView_ = nullptr;
};

} // namespace twinsweep
