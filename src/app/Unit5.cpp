#include "Unit5.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "CommandButtons.h"
#include "ErrorBox.h"
#include "JpegImage.h"
#include "Settings.h"
#include "SystemFolders.h"

namespace twinsweep {

namespace {

QLabel* TextLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::AutoText);
    return label;
}

// A screenshot or drawing shipped with the program; an unreadable file shows nothing.
QLabel* Picture(const char* name, const std::string& file, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    constexpr int widest = 560; // narrower than the window, so no sideways scrolling
    QImage image = LoadJpeg(DataFolder() + "pictures/" + file);
    if (image.width() > widest)
        image = image.scaledToWidth(widest, Qt::SmoothTransformation);
    if (!image.isNull())
        label->setPixmap(QPixmap::fromImage(image));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* Icon(const char* name, QStyle::StandardPixmap pixmap, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(QApplication::style()->standardIcon(pixmap).pixmap(32, 32));
    label->setFixedSize(40, 40);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// A toolbar button's picture at rest: the first of the four cells of its strip, with the
// magenta key colour made transparent; the doubled strip where there is one.
QLabel* ButtonPicture(const char* name, const char* image, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(40, 40);
    label->setAlignment(Qt::AlignCenter);
    qreal ratio = 2;
    QImage strip = LoadButtonImage(QString(image) + "@2x.png");
    if (strip.isNull()) {
        ratio = 1;
        strip = LoadButtonImage(QString(image) + ".png");
    }
    if (strip.isNull())
        return label;
    QImage cell =
        strip.copy(0, 0, strip.width() / 4, strip.height()).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < cell.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(cell.scanLine(y));
        for (int x = 0; x < cell.width(); ++x)
            if ((line[x] & 0xFFFFFF) == 0xFF00FF)
                line[x] = 0;
    }
    cell.setDevicePixelRatio(ratio);
    label->setPixmap(QPixmap::fromImage(cell));
    return label;
}

} // namespace

TForm5::TForm5(QWidget* parent, TextLines& settingsLines)
    : QWidget(parent, Qt::Window), settingsLines_(settingsLines) {
    setObjectName("TForm5");
    resize(760, 680);
    auto* layout = new QVBoxLayout(this);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setWidget(BuildIntroduction());
    layout->addWidget(ScrollBox1, 1);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    auto* bottom = new QHBoxLayout(Panel1);
    bottom->setContentsMargins(0, 0, 0, 0);
    CheckBox1 = new QCheckBox(Panel1);
    CheckBox1->setObjectName("CheckBox1");
    // Unchecked until start-up sets it, so that a "0" in "conf.dat" is never rewritten.
    CheckBox1->setChecked(false);
    SpeedButton1 = new QToolButton(Panel1);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setText("Close");
    SpeedButton1->setMinimumWidth(100);
    bottom->addWidget(CheckBox1, 1);
    bottom->addWidget(SpeedButton1);
    layout->addWidget(Panel1);

    connect(SpeedButton1, &QToolButton::clicked, this,
            [this] { RunGuarded(this, [this] { SpeedButton1Click(); }); });
    connect(CheckBox1, &QCheckBox::toggled, this,
            [this] { RunGuarded(this, [this] { CheckBox1Click(); }); });
    StringTable1.Translate(); // the built-in texts are the table's first language
}

TForm5::~TForm5() = default;

QWidget* TForm5::BuildIntroduction() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setSpacing(10);
    column->setContentsMargins(18, 18, 18, 18);

    auto* title = TextLabel("Label1", page);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    title->setFont(font);
    column->addWidget(title);
    column->addWidget(TextLabel("Label2", page));

    struct Section {
        const char* icon;
        QStyle::StandardPixmap pixmap;
        const char* text;
        const char* picture;
        const char* file;
    };
    static const Section sections[] = {
        {"Image2", QStyle::SP_DirOpenIcon, "Label5", "IM1", "welcome-criteria.jpg"},
        {"Image3", QStyle::SP_FileDialogContentsView, "Label6", "IM2", "welcome-search.jpg"},
        {"Image5", QStyle::SP_FileDialogDetailedView, "Label7", "IM3", "welcome-groups.jpg"},
        {"Image6", QStyle::SP_BrowserReload, "Label8", "IM4", "welcome-swap.jpg"},
        {"Image7", QStyle::SP_TrashIcon, "Label9", "IM5", "welcome-trash.jpg"},
        {"Image4", QStyle::SP_FileDialogListView, "Label11", "IM7", "welcome-sets.jpg"},
        {"Image8", QStyle::SP_DialogSaveButton, "Label10", "IM6", "welcome-project.jpg"},
    };
    for (const Section& section : sections) {
        auto* heading = new QWidget(page);
        auto* row = new QHBoxLayout(heading);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(Icon(section.icon, section.pixmap, heading), 0, Qt::AlignTop);
        row->addWidget(TextLabel(section.text, heading), 1);
        column->addWidget(heading);
        column->addWidget(Picture(section.picture, section.file, page));
    }

    column->addWidget(TextLabel("Label14", page));
    auto* legend = new QHBoxLayout;
    for (auto [name, image] : {std::pair{"Image9", "search"},
                               {"Image10", "compare"},
                               {"Image12", "trash"},
                               {"Image14", "open"},
                               {"Image16", "save"},
                               {"Image17", "welcome"},
                               {"Image18", "guide"},
                               {"Image19", "about"},
                               {"Image20", "quit"}})
        legend->addWidget(ButtonPicture(name, image, page));
    legend->addStretch(1);
    column->addLayout(legend);
    column->addWidget(TextLabel("Label15", page));
    column->addWidget(TextLabel("Label16", page));
    column->addStretch(1);
    return page;
}

void TForm5::ShowWelcome() {
    show();
    raise();
    activateWindow();
}

void TForm5::SpeedButton1Click() { hide(); }

// Escape closes the window like its button, from wherever the focus is.
void TForm5::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        RunGuarded(this, [this] { SpeedButton1Click(); });
    else
        QWidget::keyPressEvent(event);
}

void TForm5::CheckBox1Click() {
    StoreWelcomeSetting(settingsLines_, CheckBox1->isChecked());
    WriteSettingsQuietly(settingsLines_);
}

} // namespace twinsweep
