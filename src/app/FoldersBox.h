#pragma once
// The criteria page's folders beside the chosen one, each searched or protected, and the
// exclusions, one pattern a line. Paths are kept as bytes, as the file system has them.
#include <QGroupBox>
#include <functional>
#include <optional>
#include <string>

#include "FindDuplicates.h"

class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace twinsweep {

class CommandRoute;

class FoldersBox : public QGroupBox {
public:
    explicit FoldersBox(QWidget* parent);

    // The buttons on the route; `choose` asks for a folder to add, from the one given.
    void Connect(CommandRoute& route,
                 std::function<std::optional<std::string>(const std::string&)> choose);

    void Add(const SearchFolder& folder);
    // Removes the current folder.
    void RemoveCurrent();

    std::vector<SearchFolder> Folders() const;
    TextLines Exclusions() const;
    void Write(const std::vector<SearchFolder>& folders, const TextLines& exclusions);

    QTreeWidget* FolderList = nullptr; // the path, and a check box that protects it
    QPushButton* AddFolder = nullptr;
    QPushButton* RemoveFolder = nullptr;
    QPlainTextEdit* ExcludeList = nullptr;
};

} // namespace twinsweep
