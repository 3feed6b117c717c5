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
#include "MessageBoxes.h"
#include "ProjectDialogs.h"
#include "ResultListsView.h"
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
    results_->changed = [this] { setsStale_ = true; };
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
    if (!setsStale_)
        return;
    const BusyCursor cursor;
    // Marks stay on the files that are still in a set, as long as each set keeps a file.
    std::vector<bool> marked;
    if (&setsModel_->Paths() == Lists.paths.get())
        for (const DuplicateSet& set : setsModel_->Sets())
            for (const SetMember& member : set.members)
                if (member.marked) {
                    if (marked.size() <= member.path)
                        marked.resize(member.path + 1, false);
                    marked[member.path] = true;
                }
    std::vector<DuplicateSet> sets = SetsOf(Lists);
    for (DuplicateSet& set : sets) {
        bool keepsOne = false;
        for (SetMember& member : set.members) {
            member.marked = member.path < marked.size() && marked[member.path];
            keepsOne = keepsOne || !member.marked;
        }
        if (!keepsOne)
            for (SetMember& member : set.members)
                member.marked = false;
    }
    setsStale_ = false;
    const bool expand = sets.size() <= ExpandedSets;
    setsModel_->Reset(std::move(sets), Lists.paths);
    QHeaderView* header = TB3->SetsTree->header();
    setsModel_->sort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    if (expand)
        TB3->SetsTree->expandAll();
}

void TForm1::ShowSetsTotal() {
    const auto& sets = setsModel_->Sets();
    TB3->SetsTotal->setText(QString::fromStdString(
        FormatMessage(StringTable1.GetKeyText("IDS_45"),
                      {CountedText(StringTable1, "IDS_57", "IDS_58", setsModel_->MarkedFiles()),
                       ByteSizeText(setsModel_->MarkedBytes()).toStdString(),
                       CountedText(StringTable1, "IDS_59", "IDS_60", sets.size()),
                       ByteSizeText(FreeableBytes(sets)).toStdString()})));
}

bool TForm1::MarkRequested(size_t set, size_t member, bool marked) {
    DuplicateSet& chosen = setsModel_->Sets()[set];
    if (!SetMark(chosen, member, marked)) {
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
    const size_t marked =
        twinsweep::MarkAllButOne(setsModel_->Sets(), setsModel_->Paths(), rule, folder);
    setsModel_->MarksChanged();
    if (rule == KeepRule::InsideFolder && marked < setsModel_->Sets().size())
        ShowMessageBox(
            this, QMessageBox::Information,
            QString::fromStdString(StringTable1.GetKeyText("IDS_47")),
            QString::fromStdString(CountedText(StringTable1, "IDS_61", "IDS_48",
                                               setsModel_->Sets().size() - marked, folder)));
}

void TForm1::KeepNewestClick() { MarkAllButOne(KeepRule::Newest); }
void TForm1::KeepOldestClick() { MarkAllButOne(KeepRule::Oldest); }
void TForm1::KeepShortestClick() { MarkAllButOne(KeepRule::ShortestPath); }

void TForm1::KeepInFolderClick() {
    if (const auto folder = FolderDialog::Choose(this, SearchFolder))
        MarkAllButOne(KeepRule::InsideFolder, *folder);
}

void TForm1::ClearMarksClick() {
    ClearMarks(setsModel_->Sets());
    setsModel_->MarksChanged();
}

void TForm1::ForgetMarks() {
    ClearMarksClick();
    setsStale_ = true;
}

void TForm1::TrashMarkedClick() {
    ShowSets();
    const QString title = QString::fromStdString(StringTable1.GetKeyText("IDS_47"));
    if (setsModel_->MarkedFiles() == 0) {
        ShowMessageBox(this, QMessageBox::Information, title,
                       QString::fromStdString(StringTable1.GetKeyText("IDS_49")));
        return;
    }
    const std::string question =
        CountedText(StringTable1, "IDS_62", "IDS_53", setsModel_->MarkedFiles(),
                    ByteSizeText(setsModel_->MarkedBytes()).toStdString());
    if (ShowMessageBox(this, QMessageBox::Question, title, QString::fromStdString(question),
                       QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    FilesTally moved;
    const auto trash = [this](const std::string& path, std::string& error) {
        return DeleteFileWithUndo(path, &error);
    };
    const auto kept = TrashMarkedFiles(Lists, setsModel_->Sets(), TallyingTrash(trash, moved),
                                       BusyWork(host_).Work());
    results_->Refresh();
    ShowSets();
    ReportTrashed(this, StringTable1, moved, kept, CheckedAgainst::KeptCopy);
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
        ExportSets(*path, setsModel_->Sets(), setsModel_->Paths());
    }
    const auto& sets = setsModel_->Sets();
    ShowMessageBox(this, QMessageBox::Information,
                   QString::fromStdString(StringTable1.GetKeyText("IDS_47")),
                   QString::fromStdString(FormatMessage(
                       StringTable1.GetKeyText("IDS_66"),
                       {CountedText(StringTable1, "IDS_59", "IDS_60", sets.size()),
                        CountedText(StringTable1, "IDS_57", "IDS_58", MemberCount(sets)), *path})));
}

} // namespace twinsweep
