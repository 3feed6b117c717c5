// The main window's command table: every button, menu item and key routed to its handler.
#include <QAction>
#include <QCheckBox>

#include "CriteriaPage.h"
#include "ResultListsView.h"
#include "ShellAccess.h"
#include "TBitmapButton.h"
#include "TMediaButton.h"
#include "Unit1.h"
#include "Unit4.h"
#include "Unit5.h"

namespace twinsweep {

void TForm1::ConnectCommands() {
    Route(BT1, &TForm1::BT1Click);
    Route(MnNova, &TForm1::MnNovaClick);
    Route(TB1->B1, &TForm1::B1Click);
    Route(TB1->BD, &TForm1::BDClick);
    Route(TB1->BT, &TForm1::BTClick);
    Route(TB1->AD, &TForm1::ADClick);
    Route(TB1->AT, &TForm1::ATClick);
    Route(BT2, &TForm1::BT2Click);
    Route(Chercherlesdoublons1, &TForm1::Chercherlesdoublons1Click);
    Route(Trocar1, &TForm1::Trocar1Click);
    Route(OpenFolder1, &TForm1::OpenFolder1Click);
    Route(BT4, &TForm1::BT4Click);
    Route(Lixeira1, &TForm1::BT4Click);
    Route(BT9, &TForm1::BT9Click);
    Route(Ouvrirunprojet1, &TForm1::Ouvrirunprojet1Click);
    Route(BT10, &TForm1::BT10Click);
    Route(Enregistrerleprojet1, &TForm1::Enregistrerleprojet1Click);
    Route(BT5, &TForm1::BT5Click);
    Route(Planilha2, &TForm1::Planilha2Click);
    Route(BT6, &TForm1::BT6Click);
    Route(Pacientes1, &TForm1::Pacientes1Click);
    Route(BT7, &TForm1::BT7Click);
    Route(Odontograma2, &TForm1::Odontograma2Click);
    Route(BT8, &TForm1::BT8Click);
    Route(Fechar1, &TForm1::Fechar1Click);
    Route(Language1, &TForm1::Language1Click);
    Route(Language2, &TForm1::Language2Click);
    Route(Language3, &TForm1::Language3Click);
    TB1->Connect(route_, this);
    results_->Connect(route_, PopupMenu1,
                      {[this] { LBB1Click(); }, [this] { LBB2Click(); }, [this] { LBB1DblClick(); },
                       [this] { LBB2DblClick(); }, [this](int key) { LBB2KeyDown(key); }});
}

void TForm1::MnNovaClick() { BT1Click(); }
void TForm1::Chercherlesdoublons1Click() { BT2Click(); }
void TForm1::Ouvrirunprojet1Click() { BT9Click(); }
void TForm1::Enregistrerleprojet1Click() { BT10Click(); }
void TForm1::Planilha2Click() { BT5Click(); }
void TForm1::Pacientes1Click() { BT6Click(); }
void TForm1::Odontograma2Click() { BT7Click(); }

void TForm1::BDClick() { TB1->EnablePickers(); }
void TForm1::BTClick() { TB1->EnablePickers(); }
void TForm1::ADClick() { TB1->EnablePickers(); }
void TForm1::ATClick() { TB1->EnablePickers(); }

void TForm1::BT5Click() { form5_->ShowWelcome(); }

void TForm1::BT6Click() { form4_->exec(); }

void TForm1::BT7Click() { OpenLanguageTarget(this); }

void TForm1::BT8Click() { close(); }
void TForm1::Fechar1Click() { close(); }

} // namespace twinsweep
