#include "ProgressWindow.h"

#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "ErrorBox.h"
#include "Globals.h"
#include "WaitingGradient.h"

namespace twinsweep {

ProgressWindow::ProgressWindow(QWidget* parent, Host& host, const char* name, const char* panelName)
    : QDialog(parent), StringTable1(LoadWindowStringTable(name)) {
    setObjectName(name);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(420, 150);
    auto* outer = new QVBoxLayout(this);
    Panel1 = new QWidget(this); // Qt paints through a back buffer: the panel never flickers
    Panel1->setObjectName(panelName);
    outer->addWidget(Panel1);
    outer->setContentsMargins(0, 0, 0, 0);
    layout_ = new QVBoxLayout(Panel1);

    Label1 = AddLabel("Label1");
    W1 = new TWaitingGradient(host, Panel1);
    W1->setObjectName("W1");
    W1->setFixedHeight(18);
    W1->SetInterval(20);
    W1->SetEnabled(false); // runs only while the window's work does
    layout_->addWidget(W1);
    SpeedButton1 = new QToolButton(Panel1);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setText("Cancel");
    SpeedButton1->setMinimumWidth(100);
    layout_->addWidget(SpeedButton1, 0, Qt::AlignRight);
    T1 = new QTimer(this);
    T1->setObjectName("T1");
    T1->setInterval(200);

    connect(SpeedButton1, &QToolButton::clicked, this,
            [this] { RunGuarded(this, [this] { SpeedButton1Click(); }); });
    connect(T1, &QTimer::timeout, this, [this] { RunGuarded(this, [this] { T1Timer(); }); });
    translator_ = BindStringTable(this, StringTable1);
}

QLabel* ProgressWindow::AddLabel(const char* name) {
    auto* label = new QLabel(Panel1);
    label->setObjectName(name);
    label->setWordWrap(true);
    AddBelowLabels(label);
    return label;
}

void ProgressWindow::AddBelowLabels(QWidget* widget) { layout_->insertWidget(labels_++, widget); }

void ProgressWindow::SpeedButton1Click() {
    CancelRequested = true;
    T1->start();
}

void ProgressWindow::T1Timer() {
    T1->stop();
    close();
}

void ProgressWindow::done(int result) {
    T1->stop(); // closed already: the pause after a cancel is over
    RunGuarded(this, [this] { FormClose(); });
    QDialog::done(result);
}

} // namespace twinsweep
