#include "FolderDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "ShellAccess.h"

namespace twinsweep {

namespace {

// The start folder itself when it exists, else the nearest existing folder above it.
QString ExistingFolderAt(QString path) {
    QDir dir(path.isEmpty() ? QDir::homePath() : path);
    while (!dir.exists() && !dir.isRoot())
        if (!dir.cdUp())
            break;
    return dir.exists() ? dir.absolutePath() : QDir::rootPath();
}

} // namespace

FolderDialog::FolderDialog(QWidget* parent, const QString& start) : QDialog(parent) {
    setObjectName("FolderDialog");
    setWindowTitle(tr("Choose a folder"));
    resize(560, 480);
    auto* layout = new QVBoxLayout(this);

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    model_->setRootPath(QDir::rootPath());
    Folders = new QTreeView(this);
    Folders->setObjectName("Folders");
    Folders->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        Folders->hideColumn(column);
    Folders->header()->hide();
    layout->addWidget(Folders, 1);

    PathEdit = new QLineEdit(this);
    PathEdit->setObjectName("PathEdit");
    PathEdit->setText(start.isEmpty() ? ExistingFolderAt(start) : start);
    PathEdit->selectAll();
    PathEdit->setFocus(); // typing a path is the quickest way
    layout->addWidget(PathEdit);

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                       QDialogButtonBox::Help,
                                   this);
    layout->addWidget(Buttons);
    connect(Buttons, &QDialogButtonBox::accepted, this, &FolderDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &FolderDialog::reject);
    // Help context 1000: the user guide.
    connect(Buttons, &QDialogButtonBox::helpRequested, this, [] { OpenLanguageTarget(); });

    const QModelIndex at = model_->index(ExistingFolderAt(start));
    Folders->setCurrentIndex(at);
    Folders->scrollTo(at);
    connect(Folders->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { PathEdit->setText(model_->filePath(current)); });
}

void FolderDialog::accept() {
    const QString path = PathEdit->text().trimmed();
    if (path.isEmpty())
        return;
    if (!QDir(path).exists()) {
        if (QMessageBox::question(this, windowTitle(), CreateFolderQuestion,
                                  QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return; // back to the dialog
        if (!QDir().mkpath(path)) {
            QMessageBox::critical(this, windowTitle(), tr("Cannot create the folder \"%1\".").arg(path));
            return;
        }
    }
    QDialog::accept();
}

std::optional<std::string> FolderDialog::Choose(QWidget* parent, const std::string& start) {
    FolderDialog dialog(parent, QString::fromStdString(start));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return QDir(dialog.PathEdit->text().trimmed()).absolutePath().toStdString();
}

} // namespace twinsweep
