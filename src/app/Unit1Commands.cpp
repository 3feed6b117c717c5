// The main window's command table: every button, menu item and key routed to its handler.
#include <QAction>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>

#include "ErrorBox.h"
#include "ShellAccess.h"
#include "StandIns.h"
#include "Unit1.h"
#include "Unit4.h"
#include "Unit5.h"

namespace twinsweep {

namespace {

// Hands every Delete key press in a list, whatever the modifiers, to a handler.
class DeleteKeyFilter : public QObject {
public:
    DeleteKeyFilter(QObject* parent, std::function<void(int)> onKey)
        : QObject(parent), onKey_(std::move(onKey)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            onKey_(key);
            if (key == Qt::Key_Delete)
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(int)> onKey_;
};

} // namespace

std::function<void()> TForm1::Guarded(void (TForm1::*handler)()) {
    return [this, handler] { RunGuarded(this, [this, handler] { (this->*handler)(); }); };
}

void TForm1::Route(QAction* action, void (TForm1::*handler)()) {
    connect(action, &QAction::triggered, this, Guarded(handler));
}

void TForm1::Route(QAbstractButton* button, void (TForm1::*handler)()) {
    connect(button, &QAbstractButton::clicked, this, Guarded(handler));
}

void TForm1::ConnectCommands() {
    Route(BT1, &TForm1::BT1Click);
    Route(MnNova, &TForm1::MnNovaClick);
    Route(B1, &TForm1::B1Click);
    Route(BD, &TForm1::BDClick);
    Route(BT, &TForm1::BTClick);
    Route(AD, &TForm1::ADClick);
    Route(AT, &TForm1::ATClick);
    Route(BT2, &TForm1::BT2Click);
    Route(Chercherlesdoublons1, &TForm1::Chercherlesdoublons1Click);
    Route(Trocar1, &TForm1::Trocar1Click);
    Route(BT4, &TForm1::BT4Click);
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

    ConnectResultLists();
    for (QListView* list : {LBB1, LBB2})
        connect(list, &QWidget::customContextMenuRequested, this,
                [this, list](const QPoint& at) { PopupMenu1->popup(list->viewport()->mapToGlobal(at)); });
    LBB2->installEventFilter(new DeleteKeyFilter(
        this, [this](int key) { RunGuarded(this, [=, this] { LBB2KeyDown(key); }); }));
}

// Project files: wired by the project commands.
void TForm1::BT9Click() {}
void TForm1::BT10Click() {}

void TForm1::MnNovaClick() { BT1Click(); }
void TForm1::Chercherlesdoublons1Click() { BT2Click(); }
void TForm1::Ouvrirunprojet1Click() { BT9Click(); }
void TForm1::Enregistrerleprojet1Click() { BT10Click(); }
void TForm1::Planilha2Click() { BT5Click(); }
void TForm1::Pacientes1Click() { BT6Click(); }
void TForm1::Odontograma2Click() { BT7Click(); }

void TForm1::BDClick() { BeforeDate->setEnabled(BD->isChecked()); }
void TForm1::BTClick() { BeforeTime->setEnabled(BT->isChecked()); }
void TForm1::ADClick() { AfterDate->setEnabled(AD->isChecked()); }
void TForm1::ATClick() { AfterTime->setEnabled(AT->isChecked()); }

void TForm1::LBB2KeyDown(int key) {
    if (key == Qt::Key_Delete)
        BT4Click();
}

void TForm1::BT5Click() { form5_->ShowWelcome(); }

void TForm1::BT6Click() { form4_->exec(); }

void TForm1::BT7Click() { OpenLanguageTarget(); }

void TForm1::BT8Click() { close(); }
void TForm1::Fechar1Click() { close(); }

} // namespace twinsweep
