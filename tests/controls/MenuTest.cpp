#include "controls/EventChange.h"
#include "controls/MenuColors.h"
#include "controls/VekMainMenu.h"
#include "controls/VekMenuDesigner.h"
#include "controls/VekMenuStyle.h"
#include "controls/VekPopupMenu.h"
#include "controls/VekToolBar.h"

#include "support/QtPrinters.h"

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionMenuItem>
#include <QStyleOptionToolButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

QColor Hex(QRgb rgb)
{
    return QColor::fromRgb(rgb);
}

QColor Pixel(const QImage &image, int x, int y)
{
    return QColor::fromRgb(image.pixel(x, y));
}

QImage Blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    return image;
}

QIcon SolidIcon(const QColor &color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return QIcon(pixmap);
}

// A designer in the scheme the main window uses.
std::unique_ptr<TVekMenuDesigner> SandDesigner()
{
    auto designer = std::make_unique<TVekMenuDesigner>();
    designer->SetMenuDesign(TMenuDesign::mdSAND);
    return designer;
}

TEST(MenuDesigner, TellsListenersInOrderThenItself)
{
    TVekMenuDesigner designer;
    QStringList heard;
    TEventChange first, second, gone;
    first.OnChange = [&](TVekMenuDesigner *sender) { heard << (sender == &designer ? "first" : "?"); };
    second.OnChange = [&](TVekMenuDesigner *) { heard << "second"; };
    gone.OnChange = [&](TVekMenuDesigner *) { heard << "gone"; };
    QObject::connect(&designer, &TVekMenuDesigner::Change, [&](TVekMenuDesigner *) { heard << "designer"; });

    designer.AddChangeEvent(&first);
    designer.AddChangeEvent(&gone);
    designer.AddChangeEvent(&second);
    designer.AddChangeEvent(&first);
    designer.DeleteChangeEvent(&gone);
    designer.DeleteChangeEvent(&gone);

    designer.SetSandColors();
    EXPECT_EQ(heard, (QStringList{"first", "second", "designer"}));
    EXPECT_EQ(designer.MenuColors().MenuBackColor, Hex(0xEBE9E2));

    // Editing one colour does not notify.
    heard.clear();
    designer.MenuColors().MenuBackColor = Qt::red;
    EXPECT_TRUE(heard.isEmpty());
    designer.SetMenuColors(MenuPreset(TMenuDesign::mdFLAT));
    EXPECT_EQ(heard, (QStringList{"first", "second", "designer"}));
}

TEST(MenuDesigner, ConsumersTakeOnlyTheirShare)
{
    auto designer = SandDesigner();
    TVekToolBar bar;
    TVekPopupMenu popup;
    TVekMainMenu menu;
    bar.SetMenuDesigner(designer.get());
    popup.SetMenuDesigner(designer.get());
    menu.SetMenuDesigner(designer.get());

    TMenuColors odd = MenuPreset(TMenuDesign::mdSAND);
    odd.MenuBackColor = Qt::red;
    odd.ToolBarBackColor = Qt::green;
    odd.ItemDownColor1 = Qt::blue;
    odd.GutterColor = Qt::cyan;
    designer->SetMenuColors(odd);

    EXPECT_EQ(bar.Colors().ToolBarBackColor, QColor(Qt::green));
    EXPECT_EQ(bar.Colors().ItemDownColor1, QColor(Qt::blue));
    EXPECT_NE(bar.Colors().MenuBackColor, QColor(Qt::red));
    EXPECT_NE(bar.Colors().GutterColor, QColor(Qt::cyan));

    EXPECT_EQ(popup.Colors().GutterColor, QColor(Qt::cyan));
    EXPECT_NE(popup.Colors().MenuBackColor, QColor(Qt::red));
    EXPECT_NE(popup.Colors().ItemDownColor1, QColor(Qt::blue));

    EXPECT_EQ(menu.Colors().MenuBackColor, QColor(Qt::red));
    EXPECT_EQ(menu.Colors().GutterColor, QColor(Qt::cyan));
    EXPECT_NE(menu.Colors().ToolBarBackColor, QColor(Qt::green));
    EXPECT_NE(menu.Colors().ItemDownColor1, QColor(Qt::blue));
}

TEST(MenuDesigner, UnlinkedOrDestroyedConsumersHearNothing)
{
    auto designer = SandDesigner();
    {
        TVekToolBar bar;
        bar.SetMenuDesigner(designer.get());
        EXPECT_EQ(bar.Colors().ToolBarBackColor, Hex(0xEBE9E2));
        bar.SetMenuDesigner(nullptr);
        designer->SetBlueColors();
        EXPECT_EQ(bar.Colors().ToolBarBackColor, Hex(0xEBE9E2));
        auto *linked = new TVekToolBar;
        linked->SetMenuDesigner(designer.get());
        delete linked;
    }
    // Nobody left to tell; this must not reach a destroyed bar.
    designer->SetSandColors();

    // A consumer that outlives its designer forgets it.
    TVekPopupMenu popup;
    popup.SetMenuDesigner(designer.get());
    designer.reset();
    EXPECT_EQ(popup.MenuDesigner(), nullptr);
}

TEST(MenuDesigner, ConsumersStartWithTheirOwnColours)
{
    TVekMainMenu menu;
    TVekToolBar bar;
    EXPECT_EQ(menu.Colors().MenuBackColor, Hex(0xBFDBFF));
    EXPECT_EQ(menu.Colors().ItemDownFrame, menu.Colors().ItemHoverFrame);
    EXPECT_EQ(bar.Colors().ToolBarBackColor, Hex(0xBFDBFF));
    EXPECT_EQ(bar.Colors().ToolBarFrame, Hex(0x6AAEDE));
}

// Draws one element of the style into a fresh picture.
QImage DrawMenuItem(TVekMenuStyle &style, QStyle::ControlElement element, QStyleOptionMenuItem option, QSize size)
{
    QImage image = Blank(size.width(), size.height());
    option.rect = QRect(QPoint(0, 0), size);
    QPainter painter(&image);
    style.drawControl(element, &option, &painter);
    return image;
}

QStyleOptionMenuItem MenuItemOption(const QString &text, QStyle::State state)
{
    QStyleOptionMenuItem option;
    option.state = state;
    option.text = text;
    option.menuItemType = QStyleOptionMenuItem::Normal;
    option.checkType = QStyleOptionMenuItem::NotCheckable;
    option.font = QFont(QStringLiteral("Sans Serif"), 9);
    return option;
}

struct PixelCase
{
    const char *Where;
    int X;
    int Y;
    QRgb Expected;
    // Rows next to a gradient's end row differ from its end colour by a step.
    int Tolerance = 0;
};

void ExpectPixels(const QImage &image, std::initializer_list<PixelCase> cases)
{
    for (const PixelCase &c : cases) {
        const QColor got = Pixel(image, c.X, c.Y);
        const QColor want = Hex(c.Expected);
        const int distance = std::max({std::abs(got.red() - want.red()), std::abs(got.green() - want.green()),
                                       std::abs(got.blue() - want.blue())});
        EXPECT_LE(distance, c.Tolerance) << c.Where << " at " << c.X << "," << c.Y << ": got "
                                         << got.name().toStdString() << ", want " << want.name().toStdString();
    }
}

TEST(MenuPainting, SandMenuBarItems)
{
    TVekMenuStyle style;
    style.Colors = MenuPreset(TMenuDesign::mdSAND);
    const QSize size(60, 20);

    const QImage idle = DrawMenuItem(style, QStyle::CE_MenuBarItem,
                                     MenuItemOption(QStringLiteral("&Datei"), QStyle::State_Enabled), size);
    ExpectPixels(idle, {{"idle corner", 0, 0, 0xEBE9E2}, {"idle right", 58, 10, 0xEBE9E2}});

    const QImage selected =
        DrawMenuItem(style, QStyle::CE_MenuBarItem,
                     MenuItemOption(QStringLiteral("&Datei"), QStyle::State_Enabled | QStyle::State_Selected), size);
    ExpectPixels(selected, {
                               {"frame left", 0, 10, 0x668E74},
                               {"frame top", 30, 0, 0x668E74},
                               {"frame bottom", 30, 19, 0x668E74},
                               {"gradient top", 50, 1, 0xE6E2D2, 4},
                               {"gradient bottom", 50, 18, 0xCBC4A5, 4},
                               {"corner outside the rounding", 0, 0, 0xEBE9E2},
                           });
}

TEST(MenuPainting, SandDropDownItems)
{
    TVekMenuStyle style;
    style.Colors = MenuPreset(TMenuDesign::mdSAND);
    const QSize size(200, 36);
    const QString text = TVekMenuStyle::JoinItemText({QStringLiteral("&Verwalten"), QStringLiteral("Ctrl+M"),
                                                      QStringLiteral("Rechnungsdateien verwalten")});

    const QImage idle = DrawMenuItem(style, QStyle::CE_MenuItem, MenuItemOption(text, QStyle::State_Enabled), size);
    ExpectPixels(idle, {
                           {"image column", 5, 30, 0xDEDAC7},
                           {"column line", 26, 5, 0x668E74},
                           {"item background", 30, 1, 0xEBE9E2},
                           {"item background right", 198, 34, 0xEBE9E2},
                       });

    const QImage selected = DrawMenuItem(style, QStyle::CE_MenuItem,
                                         MenuItemOption(text, QStyle::State_Enabled | QStyle::State_Selected), size);
    // Middle at 18: rows 0…17 the upper gradient, 18…35 the lower one; the
    // frame's bottom line lies one pixel above the item's bottom.
    ExpectPixels(selected, {
                               {"frame left", 0, 18, 0x668E74},
                               {"frame bottom", 100, 34, 0x668E74},
                               {"upper start", 120, 1, 0xDBEBE2, 4},
                               {"upper end", 120, 17, 0xC2DFCE},
                               {"lower start", 198, 18, 0xBADBC8},
                               {"below the frame", 100, 35, 0xD2E7DB},
                           });

    QStyleOptionMenuItem separator = MenuItemOption(QString(), QStyle::State_Enabled);
    separator.menuItemType = QStyleOptionMenuItem::Separator;
    const QImage line = DrawMenuItem(style, QStyle::CE_MenuItem, separator, QSize(100, 4));
    ExpectPixels(line, {
                           {"below the line", 60, 2, 0xEBE9E2},
                           {"gutter", 3, 2, 0xDEDAC7},
                           {"column line", 26, 2, 0x668E74},
                           {"left of the line start", 35, 0, 0xEBE9E2},
                       });
    // Bottom - 3 of a 4-pixel item is row 0.
    EXPECT_EQ(Pixel(line, 36, 0), Hex(0x668E74));
    EXPECT_EQ(Pixel(line, 99, 0), Hex(0x668E74));
}

TEST(MenuPainting, TickedItemShowsTheTickBoxInsteadOfItsImage)
{
    TVekMenuStyle style;
    style.Colors = MenuPreset(TMenuDesign::mdSAND);
    QStyleOptionMenuItem option = MenuItemOption(QStringLiteral("Feiertage\t\t"), QStyle::State_Enabled);
    option.icon = SolidIcon(Qt::red);
    option.checkType = QStyleOptionMenuItem::NonExclusive;

    option.checked = false;
    const QImage plain = DrawMenuItem(style, QStyle::CE_MenuItem, option, QSize(150, 24));
    EXPECT_EQ(Pixel(plain, 10, 10), QColor(Qt::red));

    option.checked = true;
    const QImage ticked = DrawMenuItem(style, QStyle::CE_MenuItem, option, QSize(150, 24));
    // Box (4,2)…(19,17): frame, tick and a gradient around the check colour.
    EXPECT_EQ(Pixel(ticked, 4, 10), Hex(0x668E74));
    EXPECT_EQ(Pixel(ticked, 4 + 7, 2 + 11), Hex(0x000000));
    const QColor inside = Pixel(ticked, 4 + 13, 2 + 13);
    EXPECT_NE(inside, QColor(Qt::red));
    EXPECT_LT(std::abs(inside.lightness() - Hex(0xDEDAC7).lightness()), 30);
}

QImage DrawToolButton(TVekMenuStyle &style, QStyle::State state, const QIcon &icon = {})
{
    QStyleOptionToolButton option;
    option.state = state;
    option.rect = QRect(0, 0, 30, 28);
    option.icon = icon;
    option.iconSize = QSize(16, 16);
    option.toolButtonStyle = Qt::ToolButtonIconOnly;
    QImage image = Blank(30, 28);
    QPainter painter(&image);
    style.drawComplexControl(QStyle::CC_ToolButton, &option, &painter);
    return image;
}

TEST(MenuPainting, SandToolButtons)
{
    TVekMenuStyle style;
    style.Colors = MenuPreset(TMenuDesign::mdSAND);
    // Face: rows 1…27 (27 high), upper half 13 rows.
    const QImage hot = DrawToolButton(style, QStyle::State_Enabled | QStyle::State_MouseOver);
    ExpectPixels(hot, {
                          {"bar above the face", 15, 0, 0xEBE9E2},
                          {"frame top", 15, 1, 0x668E74},
                          {"frame left", 0, 14, 0x668E74},
                          {"frame bottom", 15, 27, 0x668E74},
                          {"upper start", 15, 2, 0xDBEBE2, 4},
                          {"upper end", 15, 13, 0xC2DFCE},
                          {"lower start", 15, 14, 0xBADBC8},
                          {"lower end", 15, 26, 0xD2E7DB, 4},
                      });

    const QImage pressed = DrawToolButton(style, QStyle::State_Enabled | QStyle::State_MouseOver | QStyle::State_Sunken);
    ExpectPixels(pressed, {{"pressed face", 2, 5, 0xDEDAC7}, {"pressed frame", 0, 14, 0x668E74}});

    const QImage idle = DrawToolButton(style, QStyle::State_Enabled);
    ExpectPixels(idle, {{"idle frame", 0, 14, 0xEBE9E2}, {"idle face", 2, 5, 0xEBE9E2}});
}

TEST(MenuPainting, DisabledToolButtonImageTurnsGrey)
{
    TVekMenuStyle style;
    style.Colors = MenuPreset(TMenuDesign::mdSAND);
    // The image's top-left pixel is the transparent colour: keep it apart.
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor(255, 0, 0));
    {
        QPainter p(&pixmap);
        p.fillRect(0, 0, 1, 1, Qt::white);
    }
    const QImage enabled = DrawToolButton(style, QStyle::State_Enabled, QIcon(pixmap));
    const QImage disabled = DrawToolButton(style, QStyle::State_None, QIcon(pixmap));
    // Image centred (15 - 8 = 7) and 2 pixels below the face's top (row 1).
    EXPECT_EQ(Pixel(enabled, 7 + 8, 3 + 8), QColor(255, 0, 0));
    EXPECT_EQ(Pixel(disabled, 7 + 8, 3 + 8), QColor(76, 76, 76));
    // The top-left colour is left out.
    EXPECT_EQ(Pixel(enabled, 7, 3), Hex(0xEBE9E2));
}

TEST(MenuWidgets, HintItemsAreTwoLinesAndPlainItemsOne)
{
    TVekPopupMenu menu;
    QAction *withHint = menu.addAction(QStringLiteral("&Verwalten..."));
    withHint->setStatusTip(QStringLiteral("Rechnungsdateien verwalten"));
    QAction *blank = menu.addAction(QStringLiteral("&Beenden"));
    blank->setStatusTip(QStringLiteral("   "));
    menu.adjustSize();

    const QFontMetrics bold([&] {
        QFont f = menu.font();
        f.setBold(true);
        return f;
    }());
    const QFontMetrics regular(menu.font());
    EXPECT_EQ(menu.actionGeometry(withHint).height(), bold.height() + regular.height() + 8);
    EXPECT_EQ(menu.actionGeometry(blank).height(), bold.height() + 8);

    menu.SetShowItemHint(false);
    menu.adjustSize();
    EXPECT_EQ(menu.actionGeometry(withHint).height(), bold.height() + 8);
}

TEST(MenuWidgets, ToolBarSeparatorsAreSevenPixelsWide)
{
    QMainWindow window;
    auto *bar = new TVekToolBar(&window);
    window.addToolBar(bar);
    bar->addAction(SolidIcon(Qt::red), QStringLiteral("Neu"));
    QAction *separator = bar->addSeparator();
    bar->addAction(SolidIcon(Qt::blue), QStringLiteral("Löschen"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(bar->widgetForAction(separator)->width(), 7);
}

TEST(MenuWidgets, ChangingTheDesignRepaintsBarAndToolBar)
{
    auto designer = SandDesigner();
    QMainWindow window;
    auto *menu = new TVekMainMenu(&window);
    window.setMenuBar(menu);
    menu->AddMenu(QStringLiteral("&Datei"))->addAction(QStringLiteral("&Beenden"));
    auto *bar = new TVekToolBar(&window);
    window.addToolBar(bar);
    bar->addAction(SolidIcon(Qt::red), QStringLiteral("Neu"));
    menu->SetMenuDesigner(designer.get());
    bar->SetMenuDesigner(designer.get());
    bar->SetShowTopLine(true);
    window.resize(400, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const auto farRight = [](QWidget *w) {
        const QImage image = w->grab().toImage();
        return Pixel(image, image.width() - 3, image.height() / 2);
    };
    EXPECT_EQ(farRight(menu), Hex(0xEBE9E2));
    EXPECT_EQ(farRight(bar), Hex(0xEBE9E2));
    const QImage sandBar = bar->grab().toImage();
    EXPECT_EQ(Pixel(sandBar, 50, 0), Hex(0x668E74));
    EXPECT_EQ(Pixel(sandBar, 50, sandBar.height() - 1), Hex(0x668E74));
    // The lines stop short of the last pixel column.
    EXPECT_EQ(Pixel(sandBar, sandBar.width() - 1, 0), Hex(0xEBE9E2));

    designer->SetMenuDesign(TMenuDesign::mdBLUE);
    EXPECT_EQ(farRight(menu), Hex(0xBAD0EB));
    EXPECT_EQ(farRight(bar), Hex(0xDFE9F5));
    // The drop-down takes the new scheme too.
    auto *dropDown = menu->findChild<TVekPopupMenu *>();
    ASSERT_NE(dropDown, nullptr);
    EXPECT_EQ(dropDown->Colors().GutterColor, Hex(0xEFEFEF));
}

} // namespace
