#include "TrashReport.h"

#include "ByteSizeText.h"
#include "CountedText.h"
#include "Errors.h"
#include "Globals.h"
#include "KeepReasonKeys.h"
#include "LanguageTexts.h"
#include "MainWindowTexts.h"
#include "MessageBoxes.h"

namespace twinsweep {

namespace {

// At most this many kept files are named in the message itself; all are in its details.
constexpr qsizetype ShownKeptFiles = 10;

} // namespace

bool ConfirmTrash(QWidget* parent, const TStringTable& texts, const FilesTally& selected) {
    const DeleteConfirmationText confirmation = DeleteConfirmation(LanguageIndex, selected.files);
    const QString title = QString::fromStdString(confirmation.title);
    const std::string kept = ProtectedKeptText(texts, selected.protectedKept);
    if (selected.files == 0) {
        ShowMessageBox(
            parent, QMessageBox::Information, title,
            QString::fromStdString(kept.empty() ? texts.GetKeyText("IDS_69") : kept.substr(1)));
        return false;
    }
    const std::string question =
        FormatMessage(confirmation.question,
                      {CountText(selected.files), ByteSizeText(selected.bytes).toStdString()}) +
        kept;
    return ShowMessageBox(parent, QMessageBox::Question, title, QString::fromStdString(question),
                          QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void ReportTrashed(QWidget* parent, const TStringTable& texts, const FilesTally& moved,
                   const std::vector<KeptDuplicate>& kept, CheckedAgainst against, ActDone done) {
    const bool trashed = done == ActDone::Trashed;
    const QString movedText = QString::fromStdString(
        CountedText(texts, trashed ? "IDS_63" : "IDS_79", trashed ? "IDS_64" : "IDS_80",
                    moved.files, ByteSizeText(moved.bytes).toStdString()));
    if (kept.empty()) {
        ShowMessageBox(parent, QMessageBox::Information,
                       QString::fromStdString(texts.GetKeyText(trashed ? "IDS_65" : "IDS_81")),
                       movedText);
        return;
    }
    QStringList lines;
    for (const KeptDuplicate& file : kept)
        lines << QString::fromStdString(
            file.path + ": " +
            FormatMessage(texts.GetKeyText(KeepReasonKey(file.reason, against)), {file.detail}));
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(texts.GetKeyText("IDS_20")),
                    movedText + "\n\n" + QString::fromStdString(texts.GetKeyText("IDS_21")),
                    QMessageBox::Ok, parent);
    box.setInformativeText(lines.mid(0, ShownKeptFiles).join('\n') +
                           (lines.size() > ShownKeptFiles ? "\n…" : ""));
    if (lines.size() > ShownKeptFiles)
        box.setDetailedText(lines.join('\n'));
    ExecMessageBox(box);
}

} // namespace twinsweep
