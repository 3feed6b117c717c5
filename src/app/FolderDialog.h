#pragma once
// Choosing the search folder: pick an existing folder or type a new one, which is created
// (with its parents) after a confirmation.
#include <QDialog>
#include <optional>
#include <string>

class QDialogButtonBox;
class QFileSystemModel;
class QLineEdit;
class QTreeView;

namespace twinsweep {

class FolderDialog : public QDialog {
public:
    // Opens at `start` (or the nearest existing folder above it).
    FolderDialog(QWidget* parent, const QString& start);

    // The confirmed folder, created if it did not exist; empty when cancelled.
    static std::optional<std::string> Choose(QWidget* parent, const std::string& start);

    QLineEdit* PathEdit = nullptr;
    QTreeView* Folders = nullptr;
    QDialogButtonBox* Buttons = nullptr;

    void accept() override;

private:
    QFileSystemModel* model_ = nullptr;
};

// The question asked before a typed folder that does not exist is created.
inline constexpr const char* CreateFolderQuestion =
    "The specified directory does not exist. Create it?";

} // namespace twinsweep
