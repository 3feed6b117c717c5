#pragma once
// The acts of the Sets tab on the session: its sets shown with their marks, the keep-one
// rules, a mark set by hand, the trash or replacement of the marked files, opening a file or its
// folder, and the export. Each act runs on the window's command route.
#include <functional>
#include <string>

#include "KeepOne.h"
#include "Session.h"
#include "TrashReport.h"

class QAction;
class QTabWidget;
class QWidget;

namespace twinsweep {

class CommandRoute;
class Host;
class SetsModel;
class SetsPage;
class TStringTable;

class SetsTab {
public:
    // The page is one of `tabs`; message boxes belong to `window`.
    SetsTab(Session& session, QTabWidget* tabs, SetsPage* page, const TStringTable& texts,
            Host& host, QWidget* window);

    // Connects the page's commands and `exportSets` on `route`.
    void Connect(CommandRoute& route, QAction* exportSets);

    // The session's sets, when the page shows others.
    void Show();
    // The marks changed: the boxes and the totals below.
    void ShowMarks();
    // The language changed: headings, texts and totals again.
    void TextsChanged();

    void MarkAllButOne(KeepRule rule, const std::string& folder = {});
    void KeepInFolder();
    void ClearMarks();
    void TrashMarked();
    // Replaces the marked files by clones of, or hard links to, a copy their set keeps.
    void ReplaceMarked(Replacement how);
    void OpenFile();
    void OpenFolder();
    void Export();

    // The folder the keep-in-folder choice starts in.
    std::function<std::string()> startFolder;
    // The lists changed (a trash, a replacement): the Results tab shows them again.
    std::function<void()> listsChanged;

private:
    bool Showing() const;
    // Asks `question` about the marked files (or says none is marked), then runs `act` and
    // reports what it did.
    void
    ActOnMarked(const std::function<std::string(const TStringTable&, const FilesTally&)>& question,
                ActDone done, const std::function<TrashOutcome()>& act);
    void ShowTotal();
    // A check box: false when the mark was refused, and the user told why.
    bool MarkRequested(size_t set, size_t member, bool marked);
    // The file of the tree's current row, or nothing.
    std::string CurrentFile() const;
    void Inform(const std::string& text);

    Session& session_;
    QTabWidget* tabs_;
    SetsPage* page_;
    SetsModel* model_;
    const TStringTable& texts_;
    Host& host_;
    QWidget* window_;
    uint64_t shown_ = 0; // the generation of the sets the page shows
};

} // namespace twinsweep
