#pragma once
// WidgetTranslator: applies a string table to a Qt window. Elements are found by objectName among
// the window's descendants (widgets, menus, actions); values go through Qt's property system:
//
//   Captions       the window: windowTitle; a page of a QTabWidget or QToolBox: its tab
//                  text; otherwise "text" (buttons, labels, check boxes, actions), else
//                  "title" (group boxes, menus), else windowTitle.
//   Hints          toolTip; for a page of a QTabWidget or QToolBox, the tab's tool tip.
//   DisplayLabels  placeholderText where the element has one, else accessibleName.
//   Fonts          the family of the element's font. The character set is not used: Qt
//                  texts are Unicode.
//   MultiLines     the named property, one line per "\n". "items" of a QComboBox or
//                  QListWidget replaces their item texts; "items" of any other element
//                  without such a property sets the texts of the buttons inside it, in
//                  order (a group of radio buttons). Other properties: a QStringList
//                  property gets the lines, any other the whole text.
//   OtherStrings   the named property, converted from the text.
//   Collections    "header": heading of column `item` of a table or tree view;
//                  "item": text of item `item` of a combo box, list widget, tab widget,
//                  tab bar or tool box; "itemToolTip": the tool tip of such an item.
//
// A property the element does not have, an unknown collection and an item number out of
// range leave the element unchanged.
#include <memory>
#include <string>

#include "StringTable.h"

class QObject;
class QWidget;

namespace twinsweep {

class WidgetTranslator : public TranslationTarget {
public:
    // `window` must outlive this object.
    explicit WidgetTranslator(QWidget* window) : window_(window) {}

    std::string WindowName() const override;
    bool HasElement(const std::string& name) const override;
    void Apply(TranslationList list, const TranslationEntry& entry, const std::string& value,
               const std::string& charSet) override;

private:
    QObject* Find(const std::string& name) const;

    QWidget* window_;
};

// Makes a translator for `window` the target of `table`. The window keeps the translator
// as long as the table.
std::unique_ptr<WidgetTranslator> BindStringTable(QWidget* window, TStringTable& table);

} // namespace twinsweep
