#include "Unit4.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "ErrorBox.h"
#include "LinkLabel.h"
#include "ShellAccess.h"

namespace twinsweep {

TForm4::TForm4(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm4");
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->setContentsMargins(24, 24, 24, 18);

    Label1 = new QLabel("Twinsweep", this);
    Label1->setObjectName("Label1");
    QFont title = Label1->font();
    title.setPointSizeF(title.pointSizeF() * 1.8);
    title.setBold(true);
    Label1->setFont(title);
    AboutLabel = new QLabel(this);
    AboutLabel->setObjectName("AboutLabel");
    AboutLabel->setWordWrap(true);
    AboutLabel->setFixedWidth(392); // the window's width less its margins
    Label2 = new LinkLabel("Label2", this);
    Label2->onClick = [this] { RunGuarded(this, [this] { Label2Click(); }); };
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setText("OK");
    SpeedButton1->setMinimumWidth(90);

    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(AboutLabel),
                       static_cast<QWidget*>(Label2)})
        layout->addWidget(w, 0, Qt::AlignHCenter);
    layout->addWidget(SpeedButton1, 0, Qt::AlignRight);
    setFixedWidth(440);

    connect(SpeedButton1, &QToolButton::clicked, this,
            [this] { RunGuarded(this, [this] { SpeedButton1Click(); }); });
    StringTable1.Translate(); // the built-in texts are the table's first language
}

TForm4::~TForm4() = default;

void TForm4::SpeedButton1Click() { accept(); }

void TForm4::Label2Click() { OpenLanguageTarget(this); }

} // namespace twinsweep
