#include "ProjectDialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "StringTable.h"

namespace twinsweep {

namespace {

QString Filter(const TStringTable& texts, const char* key, const char* pattern) {
    return QString::fromStdString(texts.GetKeyText(key)) + " (" + pattern + ")";
}

std::optional<std::string> Choose(QWidget* parent, ProjectDialog dialog,
                                  const TStringTable& texts) {
    const bool opening = dialog == ProjectDialog::Open;
    const bool exporting = dialog == ProjectDialog::Export;
    QFileDialog chooser(parent);
    chooser.setObjectName(opening ? "OpenDialog1" : exporting ? "SaveDialog2" : "SaveDialog1");
    chooser.setAcceptMode(opening ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    chooser.setFileMode(opening ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QString project = QString("*.") + ProjectExtension;
    const QStringList filters =
        exporting ? QStringList{Filter(texts, "IDS_54", "*.csv"), Filter(texts, "IDS_55", "*.json")}
                  : QStringList{Filter(texts, "IDS_28", qPrintable(project)),
                                Filter(texts, "IDS_29", "*")};
    chooser.setNameFilters(filters);
    if (!exporting)
        chooser.setDefaultSuffix(ProjectExtension);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return std::nullopt;
    QString name = chooser.selectedFiles().first();
    if (!opening && QFileInfo(name).suffix().isEmpty())
        name += !exporting                                        ? QString(".") + ProjectExtension
                : chooser.selectedNameFilter().contains("*.json") ? QString(".json")
                                                                  : QString(".csv");
    return QFile::encodeName(name).toStdString();
}

} // namespace

ProjectFileChooser& CurrentProjectFileChooser() {
    static ProjectFileChooser chooser = Choose;
    return chooser;
}

} // namespace twinsweep
