#include "FolderDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <cstdlib>
#include <filesystem>

#include "Errors.h"
#include "FolderTreeModel.h"
#include "Globals.h"
#include "MessageBoxes.h"
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
    Buttons->button(QDialogButtonBox::Ok)->setObjectName("OkButton");
    Buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelButton");
    Buttons->button(QDialogButtonBox::Help)->setObjectName("HelpButton");
    connect(Buttons, &QDialogButtonBox::accepted, this, &FolderDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &FolderDialog::reject);
    // Help context 1000: the user guide.
    connect(Buttons, &QDialogButtonBox::helpRequested, this, [this] { OpenLanguageTarget(this); });

    const QModelIndex at = Model->IndexOf(ExistingFolderAt(start));
    Folders->setCurrentIndex(at);
    Folders->scrollTo(at);
    connect(Folders->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { ShowPath(Model->Path(current)); });

    // Before the start-up sequence has chosen a language, the first.
    if (LanguageIndex >= 1 && LanguageIndex <= StringTable1.NumOfLanguages())
        StringTable1.SetActiveLanguage(LanguageIndex);
    translator_ = BindStringTable(this, StringTable1);
    StringTable1.Translate();
}

QString FolderDialog::Text(const char* key) const {
    return QString::fromStdString(StringTable1.GetKeyText(key));
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
        QMessageBox question(QMessageBox::Question, windowTitle(), Text("IDS_0"),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.button(QMessageBox::Yes)->setText(Text("IDS_1"));
        question.button(QMessageBox::No)->setText(Text("IDS_2"));
        if (ExecMessageBox(question) != QMessageBox::Yes)
            return; // back to the dialog
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        if (error) {
            ShowMessageBox(
                this, QMessageBox::Critical, windowTitle(),
                QString::fromStdString(FormatMessage(StringTable1.GetKeyText("IDS_3"), {folder})));
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
