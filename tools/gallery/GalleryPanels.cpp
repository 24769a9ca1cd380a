// Gallery page of the gradient panels and labels, the group box and the tab
// strip, each in its states.
#include "Gallery.h"

#include "controls/TesselTab.h"
#include "controls/TesselTabsControl.h"
#include "controls/VistaGradLabel.h"
#include "controls/VistaGradPanel.h"
#include "controls/VistaGroupBox.h"
#include "shell/Clock.h"

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

constexpr int Gap = 4;

// A plain sheet the samples of one picture are stacked on.
class TSheet
{
public:
    TSheet()
    {
        m_widget.setAutoFillBackground(true);
        QPalette palette = m_widget.palette();
        palette.setColor(QPalette::Window, QColor(0xF4F4F4));
        m_widget.setPalette(palette);
    }

    // Places a child below the previous one.
    template <typename T>
    T *Add(int width, int height)
    {
        auto *child = new T(&m_widget);
        child->setGeometry(Gap, m_bottom + Gap, width, height);
        m_bottom += Gap + height;
        return child;
    }

    // The sheet fits its samples, also those that sized themselves.
    void Save(TGalleryWriter &writer, const QString &name)
    {
        const QRect used = m_widget.childrenRect();
        m_widget.resize(used.right() + 1 + Gap, used.bottom() + 1 + Gap);
        writer.Save(m_widget, name);
        m_widget.hide();
    }

private:
    QWidget m_widget;
    int m_bottom = 0;
};

// A 16 × 16 symbol on a magenta ground that the controls key out.
QImage Symbol(int kind)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor(0xFF00FF));
    QPainter painter(&image);
    switch (kind) {
    case 0: // calendar sheet
        painter.fillRect(2, 2, 12, 12, Qt::white);
        painter.fillRect(2, 2, 12, 3, QColor(0xC0392B));
        painter.setPen(QColor(0x555555));
        painter.drawRect(2, 2, 11, 11);
        for (int y = 7; y <= 11; y += 2)
            for (int x = 4; x <= 11; x += 2)
                painter.drawPoint(x, y);
        break;
    case 1: // pin
        // Hard edges: a blend with the ground would not be keyed out.
        painter.setBrush(QColor(0x2E86C1));
        painter.setPen(QColor(0x1B4F72));
        painter.drawEllipse(3, 1, 8, 8);
        painter.fillRect(7, 10, 1, 5, QColor(0x444444));
        break;
    default: // document
        painter.fillRect(3, 1, 10, 14, Qt::white);
        painter.setPen(QColor(0x666666));
        painter.drawRect(3, 1, 9, 13);
        for (int y = 4; y <= 11; y += 2)
            painter.drawLine(5, y, 10, y);
        break;
    }
    return image;
}

QString GradStyleName(TGradStyle style)
{
    static constexpr const char *Names[] = {"gsBLUE",   "gsYELLOW",    "gsGREEN",    "gsRED",
                                            "gsGRAY",   "gsSILVER",    "gsSAPHIR",   "gsDARKBLUE",
                                            "gsORANGE", "gsDARKGREEN", "gsDARKGRAY", "gsDEFAULT"};
    return QString::fromLatin1(Names[static_cast<int>(style)]);
}

void AllLines(TVistaGradPanel &panel)
{
    panel.SetLeftLine(true);
    panel.SetRightLine(true);
    panel.SetTopLine(true);
    panel.SetButtomLine(true);
}

void RenderGradStyles(TGalleryWriter &writer)
{
    TSheet sheet;
    for (int i = 0; i <= static_cast<int>(TGradStyle::gsDEFAULT); ++i) {
        const auto style = static_cast<TGradStyle>(i);
        auto *panel = sheet.Add<TVistaGradPanel>(260, 22);
        panel->SetGradStyle(style);
        panel->SetCaption(GradStyleName(style));
        AllLines(*panel);
        if (style == TGradStyle::gsDEFAULT) {
            panel->SetStartColor(QColor(0xFFFFFF));
            panel->SetEndColor(QColor(0xFFD27F));
            panel->SetLineColor(QColor(0xB03A2E));
        }
    }
    sheet.Save(writer, QStringLiteral("panel-gradstyles"));
}

void RenderGradOrientations(TGalleryWriter &writer)
{
    const std::pair<TGradOrientation, const char *> orientations[] = {
        {TGradOrientation::goLeftToRigth, "goLeftToRigth"},
        {TGradOrientation::goRightToLeft, "goRightToLeft"},
        {TGradOrientation::goTopToBottom, "goTopToBottom"},
        {TGradOrientation::goBottomToTop, "goBottomToTop"},
    };
    TSheet sheet;
    for (const TGradStyle style : {TGradStyle::gsDARKBLUE, TGradStyle::gsORANGE}) {
        for (const auto &[orientation, name] : orientations) {
            auto *panel = sheet.Add<TVistaGradPanel>(260, 30);
            panel->SetGradStyle(style);
            panel->SetGradOrientation(orientation);
            panel->SetFontColor(Qt::white);
            panel->SetCaption(GradStyleName(style) + QStringLiteral(", ") + QLatin1String(name));
        }
    }
    sheet.Save(writer, QStringLiteral("panel-gradorientations"));
}

void RenderCaptions(TGalleryWriter &writer)
{
    TSheet sheet;
    const std::pair<TOrientation, const char *> orientations[] = {
        {TOrientation::oLeft, "oLeft: Zahlung & Termin"},
        {TOrientation::oCenter, "oCenter: Zahlung & Termin"},
        {TOrientation::oRight, "oRight: Zahlung & Termin"},
    };
    for (const auto &[orientation, caption] : orientations) {
        auto *panel = sheet.Add<TVistaGradPanel>(260, 22);
        panel->SetOrientation(orientation);
        panel->SetCaption(QString::fromUtf8(caption));
        AllLines(*panel);
    }
    auto *hidden = sheet.Add<TVistaGradPanel>(260, 22);
    hidden->SetCaption(QStringLiteral("not shown"));
    hidden->SetShowCaption(false);
    AllLines(*hidden);
    sheet.Save(writer, QStringLiteral("panel-captions"));
}

void RenderLines(TGalleryWriter &writer)
{
    TSheet sheet;
    const char *names[] = {"no lines", "LeftLine", "RightLine", "TopLine", "ButtomLine", "all four"};
    for (int i = 0; i < 6; ++i) {
        auto *panel = sheet.Add<TVistaGradPanel>(200, 22);
        panel->SetGradStyle(TGradStyle::gsSILVER);
        panel->SetOrientation(TOrientation::oCenter);
        panel->SetCaption(QString::fromLatin1(names[i]));
        panel->SetLeftLine(i == 1 || i == 5);
        panel->SetRightLine(i == 2 || i == 5);
        panel->SetTopLine(i == 3 || i == 5);
        panel->SetButtomLine(i == 4 || i == 5);
    }
    sheet.Save(writer, QStringLiteral("panel-lines"));
}

void RenderPicIdle(TGalleryWriter &writer)
{
    TSheet sheet;
    auto *fixed = sheet.Add<TVistaGradPanel>(260, 28);
    fixed->SetPicIdle(Symbol(0));
    fixed->SetCaption(QStringLiteral("PicIdle, fixed size"));
    AllLines(*fixed);

    auto *tall = sheet.Add<TVistaGradPanel>(260, 40);
    tall->SetGradStyle(TGradStyle::gsYELLOW);
    tall->SetGradOrientation(TGradOrientation::goTopToBottom);
    tall->SetPicIdle(Symbol(2));
    tall->SetOrientation(TOrientation::oCenter);
    tall->SetCaption(QStringLiteral("PicIdle, centred caption"));

    auto *autoSized = sheet.Add<TVistaGradPanel>(10, 10);
    autoSized->SetGradStyle(TGradStyle::gsGREEN);
    autoSized->SetPicIdle(Symbol(1));
    autoSized->SetCaption(QStringLiteral("PicIdle with AutoSize"));
    AllLines(*autoSized);
    autoSized->SetAutoSize(true);
    sheet.Save(writer, QStringLiteral("panel-picidle"));
}

// A status bar: a caption field on the left, the date field docked right.
void RenderInfo(TGalleryWriter &writer)
{
    TClock november;
    november.Pin(QDateTime(QDate(2017, 11, 9), QTime(14, 5, 30)));
    TClock newYear;
    newYear.Pin(QDateTime(QDate(2021, 1, 1), QTime(0, 0)));

    TSheet sheet;
    struct TInfoCase
    {
        const TClock *Clock;
        bool Date;
        bool KW;
        bool Time;
    };
    const TInfoCase cases[] = {
        {&november, true, true, true},
        {&newYear, true, true, true},
        {&november, false, false, true},
        {&november, true, false, false},
    };
    for (const TInfoCase &c : cases) {
        auto *bar = sheet.Add<QWidget>(560, 22);
        auto *status = new TVistaGradPanel(bar);
        status->setGeometry(0, 0, 560, 22);
        status->SetGradStyle(TGradStyle::gsGRAY);
        status->SetTopLine(true);
        status->SetCaption(QStringLiteral("Rechnungen: 12"));
        auto *info = new TVistaGradPanel(bar);
        info->setGeometry(460, 0, 100, 22);
        info->SetClock(c.Clock);
        info->SetGradStyle(TGradStyle::gsSILVER);
        info->SetShowCaption(false);
        info->SetLeftLine(true);
        info->SetTopLine(true);
        info->SetShowDate(c.Date);
        info->SetShowKW(c.KW);
        info->SetShowTime(c.Time);
        info->SetAlign(TAlign::alRight);
        info->SetAutoSize(true);
    }
    // Only the time, beside a caption on the same panel.
    auto *timeOnly = sheet.Add<TVistaGradPanel>(300, 22);
    timeOnly->SetClock(&november);
    timeOnly->SetCaption(QStringLiteral("ShowTime only"));
    timeOnly->SetShowTime(true);
    AllLines(*timeOnly);
    sheet.Save(writer, QStringLiteral("panel-info"));
}

void RenderWordBreak(TGalleryWriter &writer)
{
    TSheet sheet;
    const QString text = QStringLiteral("Bitte legen Sie das Dokument auf den Scanner und wählen Sie die Auflösung.");
    for (const bool wrap : {false, true}) {
        auto *panel = sheet.Add<TVistaGradPanel>(220, 52);
        panel->SetGradStyle(TGradStyle::gsSAPHIR);
        panel->SetGradOrientation(TGradOrientation::goTopToBottom);
        panel->SetWordBreak(wrap);
        panel->SetCaption(text);
        AllLines(*panel);
    }
    sheet.Save(writer, QStringLiteral("panel-wordbreak"));
}

void RenderLabels(TGalleryWriter &writer)
{
    TSheet orientations;
    const std::pair<TOrientation, const char *> cases[] = {
        {TOrientation::oLeft, "Rechnungen"},
        {TOrientation::oCenter, "Zahlungstermine"},
        {TOrientation::oRight, "Nächste Termine"},
    };
    for (const auto &[orientation, caption] : cases) {
        auto *label = orientations.Add<TVistaGradLabel>(220, 18);
        label->SetOrientation(orientation);
        label->SetCaption(QString::fromUtf8(caption));
    }
    auto *wide = orientations.Add<TVistaGradLabel>(90, 18);
    wide->SetOrientation(TOrientation::oRight);
    wide->SetCaption(QStringLiteral("oRight, wider than the label"));
    orientations.Save(writer, QStringLiteral("label-orientations"));

    TSheet lines;
    const char *names[] = {"LeftLine", "RightLine", "TopLine", "ButtomLine", "all four"};
    for (int i = 0; i < 5; ++i) {
        auto *label = lines.Add<TVistaGradLabel>(220, 18);
        label->SetCaption(QString::fromLatin1(names[i]));
        label->SetLeftLine(i == 0 || i == 4);
        label->SetRightLine(i == 1 || i == 4);
        label->SetTopLine(i == 2 || i == 4);
        label->SetButtomLine(i == 3 || i == 4);
    }
    auto *autoSized = lines.Add<TVistaGradLabel>(220, 18);
    autoSized->SetCaption(QStringLiteral("AutoSize"));
    autoSized->SetLeftLine(true);
    autoSized->SetRightLine(true);
    autoSized->SetAutoSize(true);
    lines.Save(writer, QStringLiteral("label-lines"));
}

enum class TBoxState { Normal, Focused, Disabled };

void RenderGroupBox(TGalleryWriter &writer, TBoxState state, const QString &name)
{
    QWidget window;
    window.resize(232, 142);
    auto *box = new TVistaGroupBox(&window);
    box->setGeometry(8, 8, 216, 126);
    box->SetCaption(QStringLiteral("Scanner"));
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(new QLineEdit(QStringLiteral("test:0"), box));
    layout->addWidget(new QCheckBox(QStringLiteral("Farbe"), box));
    layout->addStretch();
    box->setEnabled(state != TBoxState::Disabled);

    window.show();
    QApplication::setActiveWindow(&window);
    if (state == TBoxState::Focused)
        box->setFocus(Qt::TabFocusReason);
    else
        window.setFocus();
    QCoreApplication::processEvents();
    writer.Save(window, name);
}

void RenderTabs(TGalleryWriter &writer)
{
    const QStringList captions = {QStringLiteral("Kalender"), QStringLiteral("Pinnwand"), QStringLiteral("Dokument"),
                                  QStringLiteral("Übersicht")};
    const QList<QImage> symbols = {Symbol(0), Symbol(1), Symbol(2)};

    TSheet sheet;
    for (const TStyle style : {TStyle::sTopToBottom, TStyle::sBottomToTop}) {
        // Plain captions, nothing active yet.
        auto *fresh = sheet.Add<TTesselTabsControl>(420, 24);
        fresh->SetTabStyle(style);
        fresh->SetTabItems(captions);

        // Symbols, tab 1 active, tab 2 under the mouse.
        auto *busy = sheet.Add<TTesselTabsControl>(420, 24);
        busy->SetTabStyle(style);
        busy->SetImages(symbols);
        busy->SetTabItems(captions);
        busy->SetTabIndex(1);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(busy->Tab(2), &enter);
    }
    sheet.Save(writer, QStringLiteral("tabs-styles"));

    // Keyboard focus on the strip marks its active tab.
    QWidget window;
    window.resize(436, 32);
    auto *focused = new TTesselTabsControl(&window);
    focused->setGeometry(8, 4, 420, 24);
    focused->SetImages(symbols);
    focused->SetTabItems(captions);
    focused->SetTabIndex(0);
    window.show();
    QApplication::setActiveWindow(&window);
    focused->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    writer.Save(window, QStringLiteral("tabs-focused"));
}

} // namespace

void RenderPanelGallery(TGalleryWriter &writer)
{
    RenderGradStyles(writer);
    RenderGradOrientations(writer);
    RenderCaptions(writer);
    RenderLines(writer);
    RenderPicIdle(writer);
    RenderInfo(writer);
    RenderWordBreak(writer);
    RenderLabels(writer);
    RenderGroupBox(writer, TBoxState::Normal, QStringLiteral("groupbox-normal"));
    RenderGroupBox(writer, TBoxState::Focused, QStringLiteral("groupbox-focused"));
    RenderGroupBox(writer, TBoxState::Disabled, QStringLiteral("groupbox-disabled"));
    RenderTabs(writer);
}
