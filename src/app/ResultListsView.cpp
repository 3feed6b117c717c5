#include "ResultListsView.h"

#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QScopedValueRollback>

#include "CommandRoute.h"
#include "PathListModel.h"
#include "StringTable.h"
#include "ZarvoLiquidIndicator.h"

namespace twinsweep {

namespace {

// Hands every key press in a view to a command; Delete goes no further, whatever the
// modifiers.
class KeyFilter : public QObject {
public:
    KeyFilter(QObject* parent, std::function<void(int)> onKey)
        : QObject(parent), onKey_(std::move(onKey)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            onKey_(key);
            if (key == Qt::Key_Delete)
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(int)> onKey_;
};

// Runs `act` when a mouse press on the view's rows leaves its current entry as it was: a
// click on the entry that is already current acts as a click on any other does.
class PressOnCurrent : public QObject {
public:
    PressOnCurrent(QListView* view, std::function<void(const QModelIndex&)> act)
        : QObject(view), view_(view), act_(std::move(act)) {
        view->viewport()->installEventFilter(this);
        connect(view, &QAbstractItemView::pressed, this, [this](const QModelIndex& pressed) {
            if (pressed == currentAtPress_)
                act_(pressed);
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress)
            currentAtPress_ = view_->currentIndex();
        return false;
    }

private:
    QListView* view_;
    std::function<void(const QModelIndex&)> act_;
    QPersistentModelIndex currentAtPress_;
};

// Scrolls to a row; a view still laying out its rows in batches lays them all out first.
void ScrollTo(QListView* view, const QModelIndex& index) {
    if (!view->visualRect(index).isValid())
        view->doItemsLayout();
    view->scrollTo(index);
}

} // namespace

ResultListsView::ResultListsView(Session& session, const TStringTable& texts, QListView* references,
                                 TZarvoLiquidIndicator* referenceCount, QListView* duplicates,
                                 TZarvoLiquidIndicator* duplicateCount)
    : QObject(references), session_(session), lists_(session.Lists()), references_(references),
      referenceCount_(referenceCount), duplicates_(duplicates), duplicateCount_(duplicateCount),
      referencesModel_(new PathListModel(lists_.LBB1, this)),
      duplicatesModel_(new PathListModel(lists_.LBB2, this)) {
    for (PathListModel* model : {referencesModel_, duplicatesModel_}) {
        model->isProtected = [&session](std::string_view path) {
            return session.IsProtected(path);
        };
        model->marksShown = [&session] { return !session.Protected().empty(); };
        model->protectedText = [&texts] {
            return QString::fromStdString(texts.GetKeyText("IDS_71"));
        };
    }
    references_->setModel(referencesModel_);
    duplicates_->setModel(duplicatesModel_);
}

void ResultListsView::Connect(CommandRoute& route, QMenu* menu, Acts acts) {
    // The user's changes only: those made while showing the lists are the lists' own.
    auto onRoute = [this, &route](std::function<void()> act) {
        return [this, &route, act = std::move(act)] {
            if (!showing_)
                route.Run(act);
        };
    };
    // An entry becomes a list's current one, then the act runs.
    auto choosing = [onRoute](std::function<void(int)> current, std::function<void()> chosen) {
        return [onRoute, current, chosen](const QModelIndex& index) {
            onRoute([current, row = index.isValid() ? index.row() : -1, chosen] {
                current(row);
                chosen();
            })();
        };
    };
    const auto reference = [this](int row) { session_.SetCurrentReference(row); };
    const auto duplicate = [this](int row) { session_.SetCurrentDuplicate(row); };
    connect(references_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            choosing(reference, acts.referenceChosen));
    connect(duplicates_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            choosing(duplicate, acts.duplicateChosen));
    new PressOnCurrent(references_, choosing(reference, acts.referenceChosen));
    new PressOnCurrent(duplicates_, choosing(duplicate, acts.duplicateChosen));
    connect(duplicates_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, onRoute](const QItemSelection& selected, const QItemSelection& deselected) {
                onRoute([this, selected, deselected] {
                    for (const QModelIndex& index : deselected.indexes())
                        session_.SetSelected(static_cast<size_t>(index.row()), false);
                    for (const QModelIndex& index : selected.indexes())
                        session_.SetSelected(static_cast<size_t>(index.row()), true);
                })();
            });
    connect(references_, &QListView::doubleClicked, this, onRoute(acts.referenceOpened));
    connect(duplicates_, &QListView::doubleClicked, this, onRoute(acts.duplicateOpened));
    duplicates_->installEventFilter(
        new KeyFilter(this, [onRoute, pressed = acts.duplicateKey](int key) {
            onRoute([=] { pressed(key); })();
        }));
    for (QListView* view : {references_, duplicates_})
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view, menu](const QPoint& at) {
                    menuView_ = view;
                    menu->popup(view->viewport()->mapToGlobal(at));
                });
}

std::optional<std::string> ResultListsView::MenuEntry() const {
    const QListView* view = references_->hasFocus()   ? references_
                            : duplicates_->hasFocus() ? duplicates_
                                                      : menuView_;
    const bool duplicates = view == duplicates_;
    const PathList& list = duplicates ? lists_.LBB2 : lists_.LBB1;
    const int current = duplicates ? lists_.current2 : lists_.current1;
    if (!view || current < 0 || static_cast<size_t>(current) >= list.size())
        return std::nullopt;
    return std::string(list[static_cast<size_t>(current)]);
}

// The views are set with their signals on, so that they repaint what changed; the user's
// acts are not taken meanwhile.
void ResultListsView::Refresh() {
    const QScopedValueRollback showing(showing_, true);
    referencesModel_->LinesReset();
    duplicatesModel_->LinesReset();
    ShowCurrentReference();
    ShowDuplicateSelection();
    ShowCurrentDuplicate();
    ShowCounts();
}

void ResultListsView::ShowAppended() {
    referencesModel_->LinesAppended();
    duplicatesModel_->LinesAppended();
    ShowCounts();
}

ResultListsView::Appending::Appending(ResultListsView& view) : view_(view) {
    for (QListView* list : {view_.references_, view_.duplicates_}) {
        list->setBatchSize(4096);
        list->setLayoutMode(QListView::Batched);
    }
}

ResultListsView::Appending::~Appending() {
    // Laid out again from the first row, in batches between messages as before: the end of
    // a scan waits for no long list. A row shown before its batch came is laid out at once.
    for (QListView* list : {view_.references_, view_.duplicates_}) {
        list->doItemsLayout();
        list->setLayoutMode(QListView::SinglePass);
    }
}

void ResultListsView::ShowCurrentReference() {
    const QScopedValueRollback showing(showing_, true);
    if (lists_.current1 < 0) {
        references_->selectionModel()->clear();
        return;
    }
    const QModelIndex current = referencesModel_->index(lists_.current1);
    references_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
    ScrollTo(references_, current);
}

void ResultListsView::ShowCurrentDuplicate() {
    const QScopedValueRollback showing(showing_, true);
    duplicates_->selectionModel()->setCurrentIndex(duplicatesModel_->index(lists_.current2),
                                                   QItemSelectionModel::NoUpdate);
}

void ResultListsView::ShowDuplicateSelection() {
    const QScopedValueRollback showing(showing_, true);
    QItemSelection selection;
    const int count = static_cast<int>(lists_.LBB2.size());
    for (int first = 0; first < count;) {
        if (!lists_.IsSelected(static_cast<size_t>(first))) {
            ++first;
            continue;
        }
        int last = first;
        while (last + 1 < count && lists_.IsSelected(static_cast<size_t>(last + 1)))
            ++last;
        selection.select(duplicatesModel_->index(first), duplicatesModel_->index(last));
        first = last + 1;
    }
    duplicates_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty())
        ScrollTo(duplicates_, selection.first().topLeft());
}

void ResultListsView::ShowSwapped() {
    ShowCurrentReference();
    const QModelIndex reference = referencesModel_->index(lists_.current1);
    const QModelIndex duplicate = duplicatesModel_->index(lists_.current2);
    emit referencesModel_->dataChanged(reference, reference);
    emit duplicatesModel_->dataChanged(duplicate, duplicate);
}

void ResultListsView::ShowCounts() {
    referenceCount_->setIndicatorstring(QString::number(lists_.LBB1.size()));
    duplicateCount_->setIndicatorstring(QString::number(lists_.LBB2.size()));
}

} // namespace twinsweep
