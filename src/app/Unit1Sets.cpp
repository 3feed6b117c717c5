// The main window's sets of identical files: the page, its keep-one marks and the trash.
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

#include "BusyWork.h"
#include "ByteSizeText.h"
#include "CountedText.h"
#include "FolderDialog.h"
#include "KeepOne.h"
#include "MainWindowTexts.h"
#include "MessageBoxes.h"
#include "ProjectDialogs.h"
#include "ResultListsView.h"
#include "ResultsPage.h"
#include "SetsExport.h"
#include "SetsModel.h"
#include "SetsPage.h"
#include "ShellAccess.h"
#include "TrashMarked.h"
#include "TrashReport.h"
#include "TrashTally.h"
#include "Unit1.h"

namespace twinsweep {

namespace {

// Above this many sets the page opens with the sets folded.
constexpr size_t ExpandedSets = 1000;

} // namespace

void TForm1::BuildSetsPage() {
    TB3 = new SetsPage;
    setsModel_ = new SetsModel(StringTable1, TB3);
    TB3->SetModel(setsModel_);
    setsModel_->markRequested = [this](size_t set, size_t member, bool marked) {
        bool done = false;
        route_.Run([&] { done = MarkRequested(set, member, marked); });
        return done;
    };
    route_.followUp = [this] {
        if (PageControl1->currentWidget() == TB3)
            ShowSets();
    };
    setsModel_->marksCounted = [this] { ShowSetsTotal(); };
}

void TForm1::ConnectSetsCommands() {
    Route(TB3->KeepNewest, &TForm1::KeepNewestClick);
    Route(TB3->KeepOldest, &TForm1::KeepOldestClick);
    Route(TB3->KeepShortest, &TForm1::KeepShortestClick);
    Route(TB3->KeepInFolder, &TForm1::KeepInFolderClick);
    Route(TB3->ClearMarks, &TForm1::ClearMarksClick);
    Route(TB3->TrashMarked, &TForm1::TrashMarkedClick);
    Route(TB3->SetsOpen1, &TForm1::SetsOpen1Click);
    Route(TB3->SetsOpenFolder1, &TForm1::SetsOpenFolder1Click);
    Route(ExportSets1, &TForm1::ExportSets1Click);
    connect(PageControl1, &QTabWidget::currentChanged, this, route_.To([this] {
        if (PageControl1->currentWidget() == TB3)
            ShowSets();
    }));
    connect(TB3->SetsTree, &QTreeView::doubleClicked, this,
            route_.To([this] { SetsOpen1Click(); }));
    connect(TB3->SetsTree, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QModelIndex index = TB3->SetsTree->indexAt(at);
        size_t set = 0, member = 0;
        if (!setsModel_->MemberAt(index, set, member))
            return;
        TB3->SetsTree->setCurrentIndex(index);
        TB3->PopupMenu2->popup(TB3->SetsTree->viewport()->mapToGlobal(at));
    });
}

void TForm1::ShowSets() {
    if (session.SetsCurrent() && setsShown_ == session.SetsGeneration())
        return;
    const BusyCursor cursor;
    const std::vector<DuplicateSet>& sets = session.Sets();
    setsShown_ = session.SetsGeneration();
    setsModel_->Reset(sets, session.Paths());
    QHeaderView* header = TB3->SetsTree->header();
    setsModel_->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    if (sets.size() <= ExpandedSets)
        TB3->SetsTree->expandAll();
}

void TForm1::ShowMarks() {
    // The page's model reads the session's sets: only sets it was reset with are its own.
    if (setsShown_ == session.SetsGeneration())
        setsModel_->MarksChanged();
    else
        ShowSetsTotal();
}

void TForm1::ShowSetsTotal() {
    TB3->SetsTotal->setText(QString::fromStdString(SetsTotalText(
        StringTable1, {setsModel_->MarkedFiles(), setsModel_->MarkedBytes()}, setsModel_->Sets())));
}

bool TForm1::MarkRequested(size_t set, size_t member, bool marked) {
    if (!session.SetMark(set, member, marked)) {
        const DuplicateSet& chosen = session.Sets()[set];
        ShowMessageBox(this, QMessageBox::Information,
                       QString::fromStdString(StringTable1.GetKeyText("IDS_47")),
                       QString::fromStdString(FormatMessage(
                           StringTable1.GetKeyText("IDS_46"),
                           {std::string(setsModel_->Paths()[chosen.members[member].path])})));
        return false;
    }
    return true;
}

void TForm1::MarkAllButOne(KeepRule rule, const std::string& folder) {
    ShowSets();
    const size_t marked = session.MarkAllButOne(rule, folder);
    ShowMarks();
    if (rule == KeepRule::InsideFolder && marked < session.Sets().size())
        ShowMessageBox(this, QMessageBox::Information,
                       QString::fromStdString(StringTable1.GetKeyText("IDS_47")),
                       QString::fromStdString(CountedText(StringTable1, "IDS_61", "IDS_48",
                                                          session.Sets().size() - marked, folder)));
}

void TForm1::KeepNewestClick() { MarkAllButOne(KeepRule::Newest); }
void TForm1::KeepOldestClick() { MarkAllButOne(KeepRule::Oldest); }
void TForm1::KeepShortestClick() { MarkAllButOne(KeepRule::ShortestPath); }

void TForm1::KeepInFolderClick() {
    if (const auto folder = FolderDialog::Choose(this, SearchFolder))
        MarkAllButOne(KeepRule::InsideFolder, *folder);
}

void TForm1::ClearMarksClick() {
    session.ClearMarks();
    ShowMarks();
}

void TForm1::TrashMarkedClick() {
    ShowSets();
    const QString title = QString::fromStdString(StringTable1.GetKeyText("IDS_47"));
    const FilesTally marked = session.MarkedFiles();
    if (marked.files == 0) {
        ShowMessageBox(this, QMessageBox::Information, title,
                       QString::fromStdString(StringTable1.GetKeyText("IDS_49")));
        return;
    }
    if (ShowMessageBox(this, QMessageBox::Question, title,
                       QString::fromStdString(MarkedTrashQuestion(StringTable1, marked)),
                       QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const TrashOutcome outcome =
        session.TrashMarked([this](const std::string& path,
                                   std::string& error) { return DeleteFileWithUndo(path, &error); },
                            BusyWork(host_).Work());
    results_->Refresh();
    ShowSets();
    ReportTrashed(this, StringTable1, outcome.moved, outcome.kept, CheckedAgainst::KeptCopy);
}

std::string TForm1::CurrentSetsFile() const {
    size_t set = 0, member = 0;
    if (!setsModel_->MemberAt(TB3->SetsTree->currentIndex(), set, member))
        return {};
    return std::string(setsModel_->Paths()[setsModel_->Sets()[set].members[member].path]);
}

void TForm1::SetsOpen1Click() {
    if (const std::string path = CurrentSetsFile(); !path.empty())
        OpenTarget(this, path);
}

void TForm1::SetsOpenFolder1Click() {
    if (const std::string path = CurrentSetsFile(); !path.empty())
        OpenTarget(this, path.substr(0, path.rfind('/') + 1));
}

void TForm1::ExportSets1Click() {
    const auto path = CurrentProjectFileChooser()(this, ProjectDialog::Export, StringTable1);
    if (!path)
        return;
    {
        const BusyCursor cursor;
        ShowSets();
        session.ExportSets(*path);
    }
    ShowMessageBox(this, QMessageBox::Information,
                   QString::fromStdString(StringTable1.GetKeyText("IDS_47")),
                   QString::fromStdString(ExportedText(StringTable1, session.Sets(), *path)));
}

} // namespace twinsweep
