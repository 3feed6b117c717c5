#include "FolderDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <cstdlib>
#include <filesystem>

#include "FolderTreeModel.h"
#include "Paths.h"
#include "ShellAccess.h"
#include "Subfolders.h"

namespace twinsweep {

namespace {

// $HOME as bytes; the root when it is not set.
std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    return home != nullptr && *home != '\0' ? home : "/";
}

// The start folder itself when it exists, else the nearest existing folder above it.
std::string ExistingFolderAt(const std::string& start) {
    std::string folder = ExpandFileName(start.empty() ? HomeFolder() : start);
    while (folder != "/" && !IsFolder(folder)) {
        while (folder.size() > 1 && folder.back() == PathDelim)
            folder.pop_back();
        folder = ExtractFilePath(folder);
    }
    return folder;
}

} // namespace

FolderDialog::FolderDialog(QWidget* parent, const std::string& start) : QDialog(parent) {
    setObjectName("FolderDialog");
    setWindowTitle(tr("Choose a folder"));
    resize(560, 480);
    auto* layout = new QVBoxLayout(this);

    Model = new FolderTreeModel(this);
    Folders = new QTreeView(this);
    Folders->setObjectName("Folders");
    Folders->setModel(Model);
    Folders->header()->hide();
    layout->addWidget(Folders, 1);

    PathEdit = new QLineEdit(this);
    PathEdit->setObjectName("PathEdit");
    ShowPath(start.empty() ? ExistingFolderAt(start) : start);
    PathEdit->selectAll();
    PathEdit->setFocus(); // typing a path is the quickest way
    layout->addWidget(PathEdit);

    Buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    layout->addWidget(Buttons);
    connect(Buttons, &QDialogButtonBox::accepted, this, &FolderDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &FolderDialog::reject);
    // Help context 1000: the user guide.
    connect(Buttons, &QDialogButtonBox::helpRequested, this, [this] { OpenLanguageTarget(this); });

    const QModelIndex at = Model->IndexOf(ExistingFolderAt(start));
    Folders->setCurrentIndex(at);
    Folders->scrollTo(at);
    connect(Folders->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { ShowPath(Model->Path(current)); });
}

void FolderDialog::ShowPath(const std::string& path) {
    shownPath_ = path;
    PathEdit->setText(QString::fromStdString(path));
}

std::string FolderDialog::EditedPath() const {
    const QString text = PathEdit->text();
    return text == QString::fromStdString(shownPath_) ? shownPath_ : text.trimmed().toStdString();
}

void FolderDialog::accept() {
    const std::string path = EditedPath();
    if (path.empty())
        return;
    const std::string folder = ExpandFileName(path);
    if (!IsFolder(folder)) {
        if (QMessageBox::question(this, windowTitle(), CreateFolderQuestion,
                                  QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return; // back to the dialog
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error) {
            QMessageBox::critical(
                this, windowTitle(),
                tr("Cannot create the folder \"%1\".").arg(QString::fromStdString(folder)));
            return;
        }
    }
    chosen_ = folder;
    QDialog::accept();
}

std::optional<std::string> FolderDialog::Choose(QWidget* parent, const std::string& start) {
    FolderDialog dialog(parent, start);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen_;
}

} // namespace twinsweep
