// The two progress windows share one look: a waiting band, labels and a cancel button.
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "ErrorBox.h"
#include "FileSearch.h"
#include "Globals.h"
#include "StandIns.h"
#include "Unit2.h"
#include "Unit3.h"

namespace twinsweep {

namespace {

QLabel* NamedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QToolButton* CancelButton(QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName("SpeedButton1");
    button->setText("Cancel");
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumWidth(100);
    return button;
}

QTimer* CloseTimer(QObject* parent) {
    auto* timer = new QTimer(parent);
    timer->setObjectName("T1");
    timer->setInterval(200);
    return timer;
}

void SetUpDialog(QDialog* dialog, const char* name) {
    dialog->setObjectName(name);
    dialog->setModal(true);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    dialog->resize(420, 150);
}

} // namespace

TForm2::TForm2(QWidget* parent, TFileSearch& search) : QDialog(parent), search_(search) {
    SetUpDialog(this, "TForm2");
    auto* layout = new QVBoxLayout(this);
    Label1 = NamedLabel("Label1", this);
    W1 = new WaitingBand("W1", this);
    SpeedButton1 = CancelButton(this);
    T1 = CloseTimer(this);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { RunGuarded(this, [this] { SpeedButton1Click(); }); });
    connect(T1, &QTimer::timeout, this, [this] { RunGuarded(this, [this] { T1Timer(); }); });
    layout->addWidget(Label1);
    layout->addWidget(W1);
    layout->addWidget(SpeedButton1, 0, Qt::AlignRight);
    StringTable1.Translate(); // the built-in texts are the table's first language
}

TForm2::~TForm2() = default;

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    RunGuarded(this, [this] { FormShow(); });
}

void TForm2::FormShow() { search_.Execute(); }

void TForm2::SpeedButton1Click() {
    CancelRequested = true;
    T1->start();
}

void TForm2::T1Timer() {
    T1->stop();
    close();
}

void TForm2::FormClose() {
    CancelRequested = true;
    search_.Abort();
}

void TForm2::done(int result) {
    RunGuarded(this, [this] { FormClose(); });
    QDialog::done(result);
}

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
    SetUpDialog(this, "TForm3");
    auto* outer = new QVBoxLayout(this);
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    auto* layout = new QVBoxLayout(Panel1);
    Label1 = NamedLabel("Label1", Panel1);
    La2 = NamedLabel("La2", Panel1);
    W1 = new WaitingBand("W1", Panel1);
    SpeedButton1 = CancelButton(Panel1);
    T1 = CloseTimer(this);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { RunGuarded(this, [this] { SpeedButton1Click(); }); });
    connect(T1, &QTimer::timeout, this, [this] { RunGuarded(this, [this] { T1Timer(); }); });
    layout->addWidget(Label1);
    layout->addWidget(La2);
    layout->addWidget(W1);
    layout->addWidget(SpeedButton1, 0, Qt::AlignRight);
    outer->addWidget(Panel1); // Qt paints through a back buffer: Panel1 never flickers
    StringTable1.Translate(); // the built-in texts are the table's first language
}

TForm3::~TForm3() = default;

bool TForm3::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, [this] { RunGuarded(this, [this] { FormActivate(); }); });
    return QDialog::event(event);
}

void TForm3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Without a window manager the window may never be activated; its showing counts.
    QTimer::singleShot(0, this, [this] { RunGuarded(this, [this] { FormActivate(); }); });
}

void TForm3::FormActivate() {
    if (ScanStarted || !isVisible())
        return;
    ScanStarted = true;
    CancelRequested = false;
    W1->setEnabled(true);
    if (!RunScan())
        return;
    ScanCompleted();
    T1->start();
}

void TForm3::ShowFilesLeft(int filesLeft) {
    La2->setText(QString::fromStdString(StringTable1.GetKeyText("IDS_0")) + QString::number(filesLeft));
}

void TForm3::SpeedButton1Click() {
    CancelRequested = true;
    T1->start();
}

void TForm3::T1Timer() {
    T1->stop();
    close();
}

// Closing does not cancel: a scan still running goes on to its end.
void TForm3::FormClose() {
    T1->stop();
    W1->setEnabled(false);
}

void TForm3::done(int result) {
    RunGuarded(this, [this] { FormClose(); });
    QDialog::done(result);
}

} // namespace twinsweep
