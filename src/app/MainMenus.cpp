#include "MainMenus.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "NamedWidgets.h"
#include "Settings.h"

namespace twinsweep {

namespace {

QAction* Item(QMenu* menu, const char* text, const char* name, const QKeySequence& keys) {
    QAction* action = Named(menu->addAction(text), name);
    action->setShortcut(keys);
    return action;
}

} // namespace

MainMenus BuildMainMenus(QMainWindow* window, const std::vector<std::string>& languageNames) {
    MainMenus m;
    window->menuBar()->setObjectName("MainMenu1");
    m.Arquivo1 = Named(window->menuBar()->addMenu("&File"), "Arquivo1");
    m.MnNova = Item(m.Arquivo1, "&New search", "MnNova", QKeySequence::New);
    m.Chercherlesdoublons1 = Item(m.Arquivo1, "&Find duplicates", "Chercherlesdoublons1",
                                  QKeySequence(Qt::CTRL | Qt::Key_D));
    m.Lixeira1 = Item(m.Arquivo1, "Move to the &trash", "Lixeira1", QKeySequence::Delete);
    Named(m.Arquivo1->addSeparator(), "N2");
    m.Ouvrirunprojet1 = Item(m.Arquivo1, "&Open project...", "Ouvrirunprojet1", QKeySequence::Open);
    m.Enregistrerleprojet1 =
        Item(m.Arquivo1, "&Save project...", "Enregistrerleprojet1", QKeySequence::Save);
    m.ExportSets1 =
        Item(m.Arquivo1, "&Export sets...", "ExportSets1", QKeySequence(Qt::CTRL | Qt::Key_E));
    Named(m.Arquivo1->addSeparator(), "N4");
    m.Fechar1 = Item(m.Arquivo1, "&Quit", "Fechar1", QKeySequence(Qt::CTRL | Qt::Key_Q));

    m.Modulos1 = Named(window->menuBar()->addMenu("&Help"), "Modulos1");
    m.Planilha2 = Item(m.Modulos1, "&Welcome", "Planilha2", QKeySequence(Qt::CTRL | Qt::Key_F1));
    m.Odontograma2 = Item(m.Modulos1, "&User guide", "Odontograma2", QKeySequence::HelpContents);
    m.Pacientes1 =
        Item(m.Modulos1, "&About", "Pacientes1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1));

    m.Idioma1 = Named(window->menuBar()->addMenu("&Language"), "Idioma1");
    auto* languages = new QActionGroup(m.Idioma1);
    QAction** items[LanguageCount] = {&m.Language1, &m.Language2, &m.Language3};
    static const char* const itemNames[LanguageCount] = {"Language1", "Language2", "Language3"};
    for (int i = 0; i < LanguageCount; ++i) {
        *items[i] =
            Named(m.Idioma1->addAction(QString::fromStdString(languageNames.at(i))), itemNames[i]);
        (*items[i])->setCheckable(true);
        (*items[i])->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | (Qt::Key_1 + i)));
        languages->addAction(*items[i]);
    }

    m.PopupMenu1 = Named(new QMenu(window), "PopupMenu1");
    m.Trocar1 =
        Item(m.PopupMenu1, "Swap with reference", "Trocar1", QKeySequence(Qt::CTRL | Qt::Key_R));
    m.OpenFolder1 = Item(m.PopupMenu1, "Open containing folder", "OpenFolder1",
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    for (QAction* action : {m.Lixeira1, m.Trocar1, m.OpenFolder1})
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    return m;
}

void CheckLanguage(const MainMenus& menus, int language) {
    QAction* const items[LanguageCount] = {menus.Language1, menus.Language2, menus.Language3};
    items[language >= 1 && language <= LanguageCount ? language - 1 : 0]->setChecked(true);
}

} // namespace twinsweep
