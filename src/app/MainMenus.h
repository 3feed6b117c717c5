#pragma once
// The main window's menu bar with its shortcuts, and the pop-up menu of the result lists,
// named as the string table knows them.
#include <string>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace twinsweep {

struct MainMenus {
    // File, Help, the languages (each named in its own words) and the lists' pop-up menu.
    QMenu *Arquivo1{}, *Modulos1{}, *Idioma1{}, *PopupMenu1{};
    // File: new search, find duplicates, move to the trash (the selected duplicates, or the
    // marks on the Sets tab), open, save, export, quit.
    QAction *MnNova{}, *Chercherlesdoublons1{}, *Lixeira1{}, *Ouvrirunprojet1{},
        *Enregistrerleprojet1{}, *ExportSets1{}, *Fechar1{};
    // Help: welcome, the user guide, about; then the three languages, checkable.
    QAction *Planilha2{}, *Odontograma2{}, *Pacientes1{}, *Language1{}, *Language2{}, *Language3{};
    // The pop-up menu's; with the trash, they answer their keys only on the results page.
    QAction *Trocar1{}, *OpenFolder1{};
};

MainMenus BuildMainMenus(QMainWindow* window, const std::vector<std::string>& languageNames);

// The Language menu's check mark on `language` (1 to 3; the first for any other), also
// when a choice was dropped.
void CheckLanguage(const MainMenus& menus, int language);

} // namespace twinsweep
