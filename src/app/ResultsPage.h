#pragma once
// The page of the results: the file table with its counter, and beside it the references
// and the duplicates with theirs. The main window fills and connects them.
#include <QWidget>

class QListView;
class QSplitter;
class QTableView;

namespace twinsweep {

class TZarvoLiquidIndicator;

class ResultsPage : public QWidget {
public:
    explicit ResultsPage(QWidget* parent = nullptr);

    QSplitter* Splitter2 = nullptr;
    QTableView* SG1 = nullptr;
    TZarvoLiquidIndicator* Ld1 = nullptr; // the files in the table
    QListView* LBB1 = nullptr;
    TZarvoLiquidIndicator* Ld3 = nullptr; // the references
    QListView* LBB2 = nullptr;
    TZarvoLiquidIndicator* Ld4 = nullptr; // the duplicates
};

} // namespace twinsweep
