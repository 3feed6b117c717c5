#include "KeptDuplicatesReport.h"

#include <QMessageBox>

#include "Errors.h"

namespace twinsweep {

namespace {

// At most this many kept files are named in the message itself; all are in its details.
constexpr qsizetype ShownKeptFiles = 10;

// The string-table key of the text that explains a reason; it holds %s for the detail.
const char* ReasonKey(KeepReason reason) {
    switch (reason) {
    case KeepReason::ReferenceGone:
        return "IDS_22";
    case KeepReason::SameFile:
        return "IDS_23";
    case KeepReason::Changed:
        return "IDS_24";
    case KeepReason::DuplicateGone:
        return "IDS_25";
    case KeepReason::TrashFailed:
        return "IDS_26";
    }
    return "";
}

} // namespace

void ReportKeptDuplicates(QWidget* parent, const TStringTable& texts,
                          const std::vector<KeptDuplicate>& kept) {
    if (kept.empty())
        return;
    QStringList lines;
    for (const KeptDuplicate& file : kept)
        lines << QString::fromStdString(
            file.path + ": " +
            FormatMessage(texts.GetKeyText(ReasonKey(file.reason)), {file.detail}));
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(texts.GetKeyText("IDS_20")),
                    QString::fromStdString(texts.GetKeyText("IDS_21")), QMessageBox::Ok, parent);
    box.setInformativeText(lines.mid(0, ShownKeptFiles).join('\n') +
                           (lines.size() > ShownKeptFiles ? "\n…" : ""));
    if (lines.size() > ShownKeptFiles)
        box.setDetailedText(lines.join('\n'));
    box.exec();
}

} // namespace twinsweep
