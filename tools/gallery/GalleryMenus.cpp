// Menu bar, drop-down items and tool buttons in every scheme and state.
#include "Gallery.h"

#include "controls/MenuColors.h"
#include "controls/VekMainMenu.h"
#include "controls/VekMenuDesigner.h"
#include "controls/VekMenuStyle.h"
#include "controls/VekPopupMenu.h"
#include "controls/VekToolBar.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QStyleOptionToolButton>

namespace {

struct TDesignName
{
    TMenuDesign Design;
    const char *Name;
};

constexpr TDesignName Designs[] = {
    {TMenuDesign::mdBLUE, "blue"},     {TMenuDesign::mdSILVER, "silver"}, {TMenuDesign::mdSAND, "sand"},
    {TMenuDesign::mdFLAT, "flat"},     {TMenuDesign::mdMODERN, "modern"}, {TMenuDesign::mdOFFICE, "office"},
    {TMenuDesign::mdWINDOWS10, "windows10"},
};

// A small picture for items and buttons: a sheet with a coloured corner.
QIcon SampleIcon(const QColor &color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0x3E, 0x57, 0x46));
    p.setBrush(Qt::white);
    p.drawRect(2, 1, 11, 13);
    p.fillRect(8, 9, 7, 6, color);
    return QIcon(pixmap);
}

// Every item state of one scheme, drawn straight through the style.
QImage SchemeSheet(TMenuDesign design)
{
    TVekMenuStyle style;
    style.Colors = MenuPreset(design);
    const QFont font = QApplication::font("QMenu");
    QImage sheet(520, 250, QImage::Format_ARGB32);
    sheet.fill(style.Colors.ItemBackColor);
    QPainter painter(&sheet);

    auto item = [&](int y, int height, const QString &caption, const QString &shortCut, const QString &hint,
                    QStyle::State state, bool checked, bool separator) {
        QStyleOptionMenuItem option;
        option.rect = QRect(0, y, 260, height);
        option.state = state;
        option.font = font;
        option.text = TVekMenuStyle::JoinItemText({caption, shortCut, hint});
        option.menuItemType = separator ? QStyleOptionMenuItem::Separator : QStyleOptionMenuItem::Normal;
        option.checkType = checked ? QStyleOptionMenuItem::NonExclusive : QStyleOptionMenuItem::NotCheckable;
        option.checked = checked;
        option.icon = SampleIcon(Qt::darkGreen);
        style.drawControl(QStyle::CE_MenuItem, &option, &painter);
    };
    const QStyle::State on = QStyle::State_Enabled;
    item(0, 36, "&Verwalten...", "Strg+M", "Rechnungsdateien verwalten", on, false, false);
    item(36, 36, "&Hinzufügen...", "Strg+H", "Neue Rechnung anlegen", on | QStyle::State_Selected, false, false);
    item(72, 36, "&Löschen", "Entf", "Rechnung löschen", QStyle::State_None, false, false);
    item(108, 22, "&Beenden", QString(), QString(), on, false, false);
    item(130, 4, QString(), QString(), QString(), on, false, true);
    item(134, 36, "&Feiertage anzeigen", QString(), "Namen der Feiertage im Kalender", on, true, false);

    auto barItem = [&](int x, const QString &caption, QStyle::State state) {
        QStyleOptionMenuItem option;
        option.rect = QRect(x, 180, 80, 20);
        option.state = state;
        option.font = font;
        option.text = caption;
        option.menuItemType = QStyleOptionMenuItem::Normal;
        style.drawControl(QStyle::CE_MenuBarItem, &option, &painter);
    };
    painter.fillRect(QRect(0, 180, 260, 20), style.Colors.MenuBackColor);
    barItem(0, "&Datei", on);
    barItem(80, "&Rechnung", on | QStyle::State_Selected);

    auto button = [&](int x, QStyle::State state) {
        QStyleOptionToolButton option;
        option.rect = QRect(x, 210, 32, 30);
        option.state = state;
        option.icon = SampleIcon(Qt::darkRed);
        option.iconSize = QSize(16, 16);
        option.toolButtonStyle = Qt::ToolButtonIconOnly;
        style.drawComplexControl(QStyle::CC_ToolButton, &option, &painter);
    };
    QStyleOptionToolBar bar;
    bar.rect = QRect(280, 205, 220, 40);
    style.ShowTopLine = true;
    style.drawPrimitive(QStyle::PE_PanelToolBar, &bar, &painter);
    button(284, on);
    button(318, on | QStyle::State_MouseOver);
    button(352, on | QStyle::State_MouseOver | QStyle::State_Sunken);
    button(386, QStyle::State_None);
    QStyleOption separator;
    separator.rect = QRect(420, 210, 7, 30);
    style.drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &separator, &painter);
    button(427, on);
    return sheet;
}

} // namespace

void RenderMenuGallery(TGalleryWriter &writer)
{
    for (const TDesignName &d : Designs)
        writer.SaveImage(SchemeSheet(d.Design), QStringLiteral("menu-scheme-%1").arg(QLatin1String(d.Name)));

    // The real widgets: a window with the bar, a drop-down and the tool bar.
    TVekMenuDesigner designer;
    designer.SetMenuDesign(TMenuDesign::mdSAND);
    QMainWindow window;
    auto *menu = new TVekMainMenu(&window);
    window.setMenuBar(menu);
    TVekPopupMenu *file = menu->AddMenu(QStringLiteral("&Datei"));
    QAction *manage = file->addAction(SampleIcon(Qt::darkGreen), QStringLiteral("&Verwalten..."));
    manage->setShortcut(QKeySequence(QStringLiteral("Ctrl+M")));
    manage->setStatusTip(QStringLiteral("Rechnungsdateien verwalten"));
    file->addSeparator();
    QAction *quit = file->addAction(QStringLiteral("&Beenden"));
    quit->setStatusTip(QStringLiteral("Programm beenden"));
    menu->AddMenu(QStringLiteral("&Rechnung"));
    menu->AddMenu(QStringLiteral("&Hilfe"));
    auto *bar = new TVekToolBar(&window);
    window.addToolBar(bar);
    bar->addAction(SampleIcon(Qt::darkGreen), QStringLiteral("Neu"));
    bar->addAction(SampleIcon(Qt::darkBlue), QStringLiteral("Bearbeiten"));
    bar->addSeparator();
    bar->addAction(SampleIcon(Qt::darkRed), QStringLiteral("Löschen"))->setEnabled(false);
    menu->SetMenuDesigner(&designer);
    bar->SetMenuDesigner(&designer);
    bar->SetShowTopLine(true);
    window.setCentralWidget(new QWidget);
    window.resize(420, 160);
    writer.Save(window, QStringLiteral("menu-window-sand"));

    file->popup(QPoint(0, 0));
    file->setActiveAction(manage);
    QCoreApplication::processEvents();
    writer.SaveImage(file->grab().toImage(), QStringLiteral("menu-dropdown-sand"));
    file->hide();
}
