#pragma once
// The main window's first page: the folder, the name filter and the search criteria. The
// page turns its controls into a SearchChoices and back; the commands on it (the folder
// button, the date and time check boxes) are the main window's.
#include <QWidget>

#include "FindDuplicates.h"

class QCheckBox;
class QDateTimeEdit;
class QGroupBox;
class QLineEdit;
class QLocale;
class QRadioButton;

namespace twinsweep {

class CommandRoute;
class FoldersBox;
class SizeBox;
class TStringTable;
class TMediaButton;

class CriteriaPage : public QWidget {
public:
    CriteriaPage();

    // The folder Edit2 shows: the bytes of `known` while it shows them (a name need not be
    // UTF-8), else its text.
    std::string Folder(const std::string& known) const;
    // Folder(known) when a search can start from the page, with "/" at its end; raises
    // with "IDS_68" of `texts` for a folder (or one of the more folders) that is not an
    // absolute path to a folder, and with `sizeLimit` for a size bound out of range. "~" and
    // relative paths are not expanded, and blanks belong to the name.
    std::string SearchFolder(const std::string& known, const TStringTable& texts,
                             const std::string& sizeLimit) const;
    // The more folders' buttons on the window's route; Add asks the folder dialog.
    void Connect(CommandRoute& route, QWidget* window);
    // The controls, their folder as Folder(known).
    SearchChoices Read(const std::string& known) const;
    void Write(const SearchChoices& choices);
    // Each date or time picker is enabled while its check box is checked.
    void EnablePickers();
    // Today's date in the date pickers, the time now in the time pickers.
    void SetBoundsToNow();
    // The pickers' formats, month and day names of `locale`; their values stay.
    void ShowDatesIn(const QLocale& locale);

    // The index of the chosen DateRangeChoice item, -1 when none.
    int DateRangeIndex() const;
    void SetDateRangeIndex(int index);

    QLineEdit* Edit2 = nullptr; // the folder
    TMediaButton* B1 = nullptr; // chooses the folder
    QCheckBox* CK3 = nullptr;   // protects the folder
    FoldersBox* Folders = nullptr;
    QCheckBox* CK2 = nullptr; // only files with the extension in Edit1
    QLineEdit* Edit1 = nullptr;
    QCheckBox* CK1 = nullptr; // sub-folders
    QGroupBox* Attributes = nullptr;
    QCheckBox* Archive = nullptr;
    QCheckBox* Readonly = nullptr;
    QCheckBox* Hidden = nullptr;
    QCheckBox* System = nullptr;
    QGroupBox* FileSize = nullptr;
    SizeBox* SizeMin = nullptr; // kilobytes
    SizeBox* SizeMax = nullptr;
    QGroupBox* DateRangeChoice = nullptr;
    QRadioButton* DateRangeItems[3] = {};
    QCheckBox* BD = nullptr;
    QDateTimeEdit* BeforeDate = nullptr;
    QCheckBox* BT = nullptr;
    QDateTimeEdit* BeforeTime = nullptr;
    QCheckBox* AD = nullptr;
    QDateTimeEdit* AfterDate = nullptr;
    QCheckBox* AT = nullptr;
    QDateTimeEdit* AfterTime = nullptr;

private:
    QWidget* BuildBounds(QWidget* parent);
};

} // namespace twinsweep
