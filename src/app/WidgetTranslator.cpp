#include "WidgetTranslator.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFont>
#include <QListWidget>
#include <QMetaProperty>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBox>
#include <QTreeWidget>
#include <QVariant>

namespace twinsweep {

namespace {

bool HasProperty(const QObject* object, const char* name) {
    return object->metaObject()->indexOfProperty(name) >= 0 ||
           object->dynamicPropertyNames().contains(name);
}

// The tab widget or tool box of which a widget is a page, with the page's index.
struct Page {
    QTabWidget* tabs = nullptr;
    QToolBox* toolBox = nullptr;
    int index = -1;
};

Page PageOf(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return {};
    for (QWidget* parent = widget->parentWidget(); parent != nullptr;
         parent = parent->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
            int index = tabs->indexOf(widget);
            return index < 0 ? Page{} : Page{tabs, nullptr, index};
        }
        if (auto* toolBox = qobject_cast<QToolBox*>(parent)) {
            int index = toolBox->indexOf(widget);
            return index < 0 ? Page{} : Page{nullptr, toolBox, index};
        }
    }
    return {};
}

void SetIfPresent(QObject* object, const char* name, const QVariant& value) {
    if (HasProperty(object, name))
        object->setProperty(name, value);
}

void SetCaption(QObject* object, QWidget* window, const QString& text) {
    if (object == window) {
        window->setWindowTitle(text);
        return;
    }
    Page page = PageOf(object);
    if (page.tabs != nullptr)
        page.tabs->setTabText(page.index, text);
    else if (page.toolBox != nullptr)
        page.toolBox->setItemText(page.index, text);
    else if (HasProperty(object, "text"))
        object->setProperty("text", text);
    else if (HasProperty(object, "title"))
        object->setProperty("title", text);
    else
        SetIfPresent(object, "windowTitle", text);
}

void SetHint(QObject* object, const QString& text) {
    Page page = PageOf(object);
    if (page.tabs != nullptr)
        page.tabs->setTabToolTip(page.index, text);
    else if (page.toolBox != nullptr)
        page.toolBox->setItemToolTip(page.index, text);
    else
        SetIfPresent(object, "toolTip", text);
}

void SetDisplayLabel(QObject* object, const QString& text) {
    if (HasProperty(object, "placeholderText"))
        object->setProperty("placeholderText", text);
    else
        SetIfPresent(object, "accessibleName", text);
}

void SetFontFamily(QObject* object, const QString& family) {
    if (!HasProperty(object, "font"))
        return;
    QFont font = object->property("font").value<QFont>();
    font.setFamily(family);
    object->setProperty("font", font);
}

// Item texts of a combo box or list widget; the selection stays when the count does.
bool SetItems(QObject* object, const QStringList& lines) {
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        if (combo->count() == lines.size()) {
            for (int i = 0; i < lines.size(); ++i)
                combo->setItemText(i, lines[i]);
        } else {
            combo->clear();
            combo->addItems(lines);
        }
        return true;
    }
    if (auto* list = qobject_cast<QListWidget*>(object)) {
        if (list->count() == lines.size()) {
            for (int i = 0; i < lines.size(); ++i)
                list->item(i)->setText(lines[i]);
        } else {
            list->clear();
            list->addItems(lines);
        }
        return true;
    }
    return false;
}

void SetMultiLine(QObject* object, const QString& property, const QString& text) {
    const QStringList lines = text.split(u'\n');
    const QByteArray name = property.toUtf8();
    if (HasProperty(object, name.constData())) {
        int index = object->metaObject()->indexOfProperty(name.constData());
        bool isList = index >= 0 ? object->metaObject()->property(index).metaType() ==
                                       QMetaType::fromType<QStringList>()
                                 : object->property(name.constData()).metaType() ==
                                       QMetaType::fromType<QStringList>();
        object->setProperty(name.constData(), isList ? QVariant(lines) : QVariant(text));
        return;
    }
    if (property != QLatin1String("items") || SetItems(object, lines))
        return;
    // A group of buttons: one line per button, in the order they were created.
    const auto buttons = object->findChildren<QAbstractButton*>();
    for (int i = 0; i < buttons.size() && i < lines.size(); ++i)
        buttons[i]->setText(lines[i]);
}

void SetOtherString(QObject* object, const QString& property, const QString& text) {
    SetIfPresent(object, property.toUtf8().constData(), text);
}

void SetHeader(QObject* object, int column, const QString& text) {
    if (auto* table = qobject_cast<QTableWidget*>(object)) {
        if (column >= table->columnCount())
            return;
        if (QTableWidgetItem* item = table->horizontalHeaderItem(column))
            item->setText(text);
        else
            table->setHorizontalHeaderItem(column, new QTableWidgetItem(text));
    } else if (auto* tree = qobject_cast<QTreeWidget*>(object)) {
        if (column < tree->columnCount())
            tree->headerItem()->setText(column, text);
    } else if (auto* view = qobject_cast<QAbstractItemView*>(object)) {
        QAbstractItemModel* model = view->model();
        if (model != nullptr && column < model->columnCount())
            model->setHeaderData(column, Qt::Horizontal, text);
    }
}

void SetItem(QObject* object, int index, const QString& text, bool toolTip) {
    if (auto* combo = qobject_cast<QComboBox*>(object)) {
        if (index >= combo->count())
            return;
        if (toolTip)
            combo->setItemData(index, text, Qt::ToolTipRole);
        else
            combo->setItemText(index, text);
    } else if (auto* list = qobject_cast<QListWidget*>(object)) {
        if (index >= list->count())
            return;
        if (toolTip)
            list->item(index)->setToolTip(text);
        else
            list->item(index)->setText(text);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
        if (index >= tabs->count())
            return;
        if (toolTip)
            tabs->setTabToolTip(index, text);
        else
            tabs->setTabText(index, text);
    } else if (auto* bar = qobject_cast<QTabBar*>(object)) {
        if (index >= bar->count())
            return;
        if (toolTip)
            bar->setTabToolTip(index, text);
        else
            bar->setTabText(index, text);
    } else if (auto* toolBox = qobject_cast<QToolBox*>(object)) {
        if (index >= toolBox->count())
            return;
        if (toolTip)
            toolBox->setItemToolTip(index, text);
        else
            toolBox->setItemText(index, text);
    }
}

void SetCollectionItem(QObject* object, const std::string& collection, int index,
                       const QString& text) {
    if (collection == "header")
        SetHeader(object, index, text);
    else if (collection == "item")
        SetItem(object, index, text, false);
    else if (collection == "itemToolTip")
        SetItem(object, index, text, true);
}

} // namespace

std::string WidgetTranslator::WindowName() const { return window_->objectName().toStdString(); }

QObject* WidgetTranslator::Find(const std::string& name) const {
    if (name.empty())
        return nullptr;
    const QString qname = QString::fromStdString(name);
    if (window_->objectName() == qname)
        return window_;
    return window_->findChild<QObject*>(qname);
}

bool WidgetTranslator::HasElement(const std::string& name) const { return Find(name) != nullptr; }

void WidgetTranslator::Apply(TranslationList list, const TranslationEntry& entry,
                             const std::string& value, const std::string& /*charSet*/) {
    QObject* object = Find(entry.element);
    if (object == nullptr)
        return;
    const QString text = QString::fromStdString(value);
    const QString property = QString::fromStdString(entry.property);
    switch (list) {
    case TranslationList::Captions:
        SetCaption(object, window_, text);
        break;
    case TranslationList::Hints:
        SetHint(object, text);
        break;
    case TranslationList::DisplayLabels:
        SetDisplayLabel(object, text);
        break;
    case TranslationList::Fonts:
        SetFontFamily(object, text);
        break;
    case TranslationList::MultiLines:
        SetMultiLine(object, property, text);
        break;
    case TranslationList::OtherStrings:
        SetOtherString(object, property, text);
        break;
    case TranslationList::Collections:
        SetCollectionItem(object, entry.property, entry.item, text);
        break;
    }
}

std::unique_ptr<WidgetTranslator> BindStringTable(QWidget* window, TStringTable& table) {
    auto translator = std::make_unique<WidgetTranslator>(window);
    table.SetTarget(translator.get());
    return translator;
}

} // namespace twinsweep
