#pragma once
// Choosing the search folder: pick an existing folder or type a new one, which is created
// (with its parents) after a confirmation. Paths are bytes, as the file system has them.
#include <QDialog>
#include <memory>
#include <optional>
#include <string>

#include "WidgetTranslator.h"
#include "WindowStringTables.h"

class QDialogButtonBox;
class QLineEdit;
class QTreeView;

namespace twinsweep {

class FolderTreeModel;

class FolderDialog : public QDialog {
public:
    // Opens at `start` (or the nearest existing folder above it).
    FolderDialog(QWidget* parent, const std::string& start);

    // The confirmed folder, created if it did not exist; empty when cancelled.
    static std::optional<std::string> Choose(QWidget* parent, const std::string& start);

    // Its texts, in the language of the other windows.
    TStringTable StringTable1 = LoadWindowStringTable("FolderDialog");
    QLineEdit* PathEdit = nullptr;
    QTreeView* Folders = nullptr;
    FolderTreeModel* Model = nullptr;
    QDialogButtonBox* Buttons = nullptr;

    void accept() override;

private:
    void ShowPath(const std::string& path);
    // The bytes behind PathEdit's text: those last shown while the text is unchanged,
    // else the typed text as UTF-8.
    std::string EditedPath() const;
    QString Text(const char* key) const;

    std::string shownPath_;
    std::string chosen_; // the accepted folder, absolute
    std::unique_ptr<WidgetTranslator> translator_;
};

} // namespace twinsweep
