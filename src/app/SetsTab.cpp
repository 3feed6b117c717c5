#include "SetsTab.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

#include "BusyWork.h"
#include "CommandRoute.h"
#include "CountedText.h"
#include "FolderDialog.h"
#include "MainWindowTexts.h"
#include "MessageBoxes.h"
#include "ProjectDialogs.h"
#include "SetsModel.h"
#include "SetsPage.h"
#include "ShellAccess.h"
#include "TrashReport.h"

namespace twinsweep {

namespace {

// Above this many sets the page opens with the sets folded.
constexpr size_t ExpandedSets = 1000;

} // namespace

SetsTab::SetsTab(Session& session, QTabWidget* tabs, SetsPage* page, const TStringTable& texts,
                 Host& host, QWidget* window)
    : session_(session), tabs_(tabs), page_(page), model_(new SetsModel(texts, page)),
      texts_(texts), host_(host), window_(window) {
    page_->SetModel(model_);
    model_->marksCounted = [this] { ShowTotal(); };
}

void SetsTab::Connect(CommandRoute& route, QAction* exportSets) {
    model_->markRequested = [this, &route](size_t set, size_t member, bool marked) {
        bool done = false;
        route.Run([&] { done = MarkRequested(set, member, marked); });
        return done;
    };
    const std::pair<QPushButton*, std::function<void()>> buttons[] = {
        {page_->KeepNewest, [this] { MarkAllButOne(KeepRule::Newest); }},
        {page_->KeepOldest, [this] { MarkAllButOne(KeepRule::Oldest); }},
        {page_->KeepShortest, [this] { MarkAllButOne(KeepRule::ShortestPath); }},
        {page_->KeepInFolder, [this] { KeepInFolder(); }},
        {page_->ClearMarks, [this] { ClearMarks(); }},
        {page_->TrashMarked, [this] { TrashMarked(); }},
        {page_->CloneMarked, [this] { ReplaceMarked(Replacement::Clone); }},
        {page_->LinkMarked, [this] { ReplaceMarked(Replacement::HardLink); }}};
    for (const auto& [button, act] : buttons)
        route.Connect(button, act);
    QObject::connect(page_->AllSets, &QCheckBox::toggled, page_, route.To([this] {
        session_.ShowAllSets(page_->AllSets->isChecked());
        Show();
    }));
    route.Connect(page_->SetsOpen1, [this] { OpenFile(); });
    route.Connect(page_->SetsOpenFolder1, [this] { OpenFolder(); });
    route.Connect(exportSets, [this] { Export(); });
    // The page follows every command while it is shown.
    route.followUp = [this] {
        if (Showing())
            Show();
    };
    QObject::connect(tabs_, &QTabWidget::currentChanged, page_, route.To([this] {
        if (Showing())
            Show();
    }));
    QObject::connect(page_->SetsTree, &QTreeView::doubleClicked, page_,
                     route.To([this] { OpenFile(); }));
    QObject::connect(page_->SetsTree, &QWidget::customContextMenuRequested, page_,
                     [this](const QPoint& at) {
                         const QModelIndex index = page_->SetsTree->indexAt(at);
                         size_t set = 0, member = 0;
                         if (!model_->MemberAt(index, set, member))
                             return;
                         page_->SetsTree->setCurrentIndex(index);
                         page_->PopupMenu2->popup(page_->SetsTree->viewport()->mapToGlobal(at));
                     });
}

bool SetsTab::Showing() const { return tabs_->currentWidget() == page_; }

void SetsTab::Show() {
    if (session_.SetsCurrent() && shown_ == session_.SetsGeneration())
        return;
    const BusyCursor cursor;
    const std::vector<DuplicateSet>& sets = session_.Sets();
    shown_ = session_.SetsGeneration();
    model_->Reset(sets, session_.Paths());
    QHeaderView* header = page_->SetsTree->header();
    model_->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    if (sets.size() <= ExpandedSets)
        page_->SetsTree->expandAll();
}

void SetsTab::ShowMarks() {
    // The model reads the session's sets: only the sets it was reset with are its own.
    if (shown_ == session_.SetsGeneration())
        model_->MarksChanged();
    else
        ShowTotal();
}

void SetsTab::TextsChanged() {
    model_->TextsChanged();
    ShowTotal();
}

void SetsTab::ShowTotal() {
    page_->SetsTotal->setText(QString::fromStdString(
        SetsTotalText(texts_, {model_->MarkedFiles(), model_->MarkedBytes()}, model_->Sets())));
}

void SetsTab::Inform(const std::string& text) {
    ShowMessageBox(window_, QMessageBox::Information,
                   QString::fromStdString(texts_.GetKeyText("IDS_47")),
                   QString::fromStdString(text));
}

bool SetsTab::MarkRequested(size_t set, size_t member, bool marked) {
    if (session_.SetMark(set, member, marked))
        return true;
    const PathStore::Id path = session_.Sets()[set].members[member].path;
    Inform(FormatMessage(texts_.GetKeyText("IDS_46"), {std::string(model_->Paths()[path])}));
    return false;
}

void SetsTab::MarkAllButOne(KeepRule rule, const std::string& folder) {
    Show();
    const size_t marked = session_.MarkAllButOne(rule, folder);
    ShowMarks();
    if (rule == KeepRule::InsideFolder && marked < session_.Sets().size())
        Inform(CountedText(texts_, "IDS_61", "IDS_48", session_.Sets().size() - marked, folder));
}

void SetsTab::KeepInFolder() {
    if (const auto folder = FolderDialog::Choose(window_, startFolder ? startFolder() : ""))
        MarkAllButOne(KeepRule::InsideFolder, *folder);
}

void SetsTab::ClearMarks() {
    session_.ClearMarks();
    ShowMarks();
}

void SetsTab::TrashMarked() {
    ActOnMarked(MarkedTrashQuestion, ActDone::Trashed, [this] {
        return session_.TrashMarked(
            [](const std::string& path, std::string& error) {
                return CurrentTrashMover()(path, &error);
            },
            BusyWork(host_).Work());
    });
}

void SetsTab::ReplaceMarked(Replacement how) {
    ActOnMarked(
        [how](const TStringTable& texts, const FilesTally& marked) {
            return MarkedReplaceQuestion(texts, marked, how);
        },
        ActDone::Replaced,
        [this, how] { return session_.ReplaceMarked(how, BusyWork(host_).Work()); });
}

void SetsTab::ActOnMarked(
    const std::function<std::string(const TStringTable&, const FilesTally&)>& question,
    ActDone done, const std::function<TrashOutcome()>& act) {
    Show();
    const FilesTally marked = session_.MarkedFiles();
    if (marked.files == 0) {
        Inform(texts_.GetKeyText("IDS_49"));
        return;
    }
    if (ShowMessageBox(window_, QMessageBox::Question,
                       QString::fromStdString(texts_.GetKeyText("IDS_47")),
                       QString::fromStdString(question(texts_, marked)),
                       QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const TrashOutcome outcome = act();
    if (listsChanged)
        listsChanged();
    Show();
    ReportTrashed(window_, texts_, outcome.moved, outcome.kept, CheckedAgainst::KeptCopy, done);
}

std::string SetsTab::CurrentFile() const {
    size_t set = 0, member = 0;
    if (!model_->MemberAt(page_->SetsTree->currentIndex(), set, member))
        return {};
    return std::string(model_->Paths()[model_->Sets()[set].members[member].path]);
}

void SetsTab::OpenFile() {
    if (const std::string path = CurrentFile(); !path.empty())
        OpenTarget(window_, path);
}

void SetsTab::OpenFolder() {
    if (const std::string path = CurrentFile(); !path.empty())
        OpenTarget(window_, path.substr(0, path.rfind('/') + 1));
}

void SetsTab::Export() {
    const auto path = CurrentProjectFileChooser()(window_, ProjectDialog::Export, texts_);
    if (!path)
        return;
    {
        const BusyCursor cursor;
        Show();
        session_.ExportSets(*path);
    }
    Inform(ExportedText(texts_, session_.Sets(), *path));
}

} // namespace twinsweep
