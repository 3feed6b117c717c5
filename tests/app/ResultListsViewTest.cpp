#include "ResultListsViewTest.h"

#include <QAbstractItemModelTester>
#include <QListView>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include "HeadlessHost.h"
#include "PathListModel.h"
#include "ResultListsView.h"
#include "StringTable.h"
#include "ZarvoLiquidIndicator.h"

using namespace twinsweep;

void ResultListsViewTest::modelShowsOnlyTheLinesItWasToldOf() {
    ResultLists lists;
    lists.LBB2.push_back("/a/1");
    PathListModel model(lists.LBB2);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (int i = 2; i <= 5; ++i)
        lists.LBB2.push_back("/a/" + std::to_string(i));
    // Lines not yet shown have no rows.
    QCOMPARE(model.rowCount(), 1);
    QVERIFY(model.index(0).isValid());
    QVERIFY(!model.index(1).isValid());
    model.LinesAppended();
    QCOMPARE(model.rowCount(), 5);
    QCOMPARE(model.index(4).data().toString(), QString("/a/5"));
    QCOMPARE(model.index(4).data(PathListModel::PathRole).toByteArray(), QByteArray("/a/5"));
    QVERIFY(!model.index(5).isValid());
    QVERIFY(!model.index(-1).isValid());
    QVERIFY(!model.index(0, 1).isValid());
    QVERIFY(!model.index(0, 0, model.index(0)).isValid());
    lists.LBB2.erase(0);
    model.LinesReset();
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.index(0).data().toString(), QString("/a/2"));
}

void ResultListsViewTest::appendedEntriesAreLaidOutWholeOnceAppendingEnds() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* references = new QListView;
    auto* duplicates = new QListView;
    auto* referenceCount = new TZarvoLiquidIndicator("Ld3");
    auto* duplicateCount = new TZarvoLiquidIndicator("Ld4");
    for (QWidget* widget :
         std::initializer_list<QWidget*>{referenceCount, references, duplicateCount, duplicates})
        layout->addWidget(widget);
    referenceCount->Loaded();
    duplicateCount->Loaded();
    duplicates->setUniformItemSizes(true);
    HeadlessHost host;
    Session session(host);
    const TStringTable texts;
    ResultListsView view(session, texts, references, referenceCount, duplicates, duplicateCount);
    window.resize(300, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    constexpr int groups = 50, members = 400;
    {
        const ResultListsView::Appending appending(view);
        for (int g = 0; g < groups; ++g) {
            ResultLists lists = session.Lists();
            lists.LBB1.push_back("/r/" + std::to_string(g));
            for (int m = 0; m < members; ++m) {
                lists.LBB2.push_back("/d/" + std::to_string(g) + "/" + std::to_string(m));
                lists.LL1.push_back(g);
            }
            session.Adopt(std::move(lists));
            view.ShowAppended();
            QApplication::processEvents();
        }
        QCOMPARE(duplicateCount->Indicatorstring(), QString::number(groups * members));
        QCOMPARE(referenceCount->Indicatorstring(), QString::number(groups));
    }
    // Every row has its place at once: the last group can be shown without waiting.
    session.SetCurrentReference(groups - 1);
    session.SelectGroup();
    view.ShowCurrentReference();
    view.ShowDuplicateSelection();
    const QModelIndex last = duplicates->model()->index(groups * members - 1, 0);
    QVERIFY(duplicates->visualRect(last).isValid());
    QVERIFY(duplicates->viewport()->rect().intersects(
        duplicates->visualRect(duplicates->model()->index((groups - 1) * members, 0))));
    QCOMPARE(duplicates->verticalScrollBar()->maximum() > 0, true);
    QCOMPARE(references->currentIndex().row(), groups - 1);
}
