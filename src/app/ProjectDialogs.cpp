#include "ProjectDialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "StringTable.h"

namespace twinsweep {

namespace {

std::optional<std::string> Choose(QWidget* parent, ProjectDialog dialog,
                                  const TStringTable& texts) {
    const bool saving = dialog == ProjectDialog::Save;
    QFileDialog chooser(parent);
    chooser.setObjectName(saving ? "SaveDialog1" : "OpenDialog1");
    chooser.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    chooser.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    chooser.setNameFilters(
        {QString::fromStdString(texts.GetKeyText("IDS_28")) + " (*." + ProjectExtension + ")",
         QString::fromStdString(texts.GetKeyText("IDS_29")) + " (*)"});
    chooser.setDefaultSuffix(ProjectExtension);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return std::nullopt;
    QString name = chooser.selectedFiles().first();
    if (saving && QFileInfo(name).suffix().isEmpty())
        name += QString(".") + ProjectExtension;
    return QFile::encodeName(name).toStdString();
}

} // namespace

ProjectFileChooser& CurrentProjectFileChooser() {
    static ProjectFileChooser chooser = Choose;
    return chooser;
}

} // namespace twinsweep
