#include "controls/TesselTab.h"
#include "controls/TesselTabsControl.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "support/PixelAssertions.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <utility>
#include <vector>

namespace {

// ------------------------------------------------------------------ helpers

constexpr QRgb Background = 0x9BC1AA;
constexpr QRgb StripLine = 0x8C8560;
constexpr QRgb ActiveOutline = 0x8C8560;
constexpr QRgb InactiveOutline = 0x668E74;


QStringList Captions(int count)
{
    QStringList captions;
    for (int i = 0; i < count; ++i)
        captions << QStringLiteral("Tab %1").arg(i + 1);
    return captions;
}

int ActiveCount(const TTesselTabsControl &strip)
{
    int active = 0;
    for (int i = 0; i < strip.TabCount(); ++i)
        active += strip.Tab(i)->Active() ? 1 : 0;
    return active;
}

void Hover(TTesselTab *tab, bool on)
{
    if (on) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(tab, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(tab, &leave);
    }
}

// A strip of three tabs in a shown, active window.
class StripFixture
{
public:
    explicit StripFixture(TStyle style = TStyle::sTopToBottom)
    {
        m_window.resize(420, 60);
        Before = new QLineEdit(&m_window);
        Before->setGeometry(0, 30, 100, 24);
        Strip = new TTesselTabsControl(&m_window);
        Strip->setGeometry(0, 0, 400, 24);
        Strip->SetTabStyle(style);
        Strip->SetTabItems({QStringLiteral("Kalender"), QStringLiteral("Pinnwand"), QStringLiteral("Dokument")});
        m_window.show();
        QApplication::setActiveWindow(&m_window);
        Active = QTest::qWaitForWindowActive(&m_window);
    }

    TTesselTabsControl *Strip = nullptr;
    QLineEdit *Before = nullptr;
    bool Active = false;

private:
    QWidget m_window;
};

// ------------------------------------------------------------ strip drawing

struct TStripLineCase
{
    TStyle Style;
    int LineY;
    int TabTop;
};

void PrintTo(const TStripLineCase &c, std::ostream *os)
{
    *os << (c.Style == TStyle::sTopToBottom ? "sTopToBottom" : "sBottomToTop");
}

class StripLayoutTest : public ::testing::TestWithParam<TStripLineCase> {};

TEST_P(StripLayoutTest, LineLiesOnTheEdgeTowardsThePages)
{
    const TStripLineCase c = GetParam();
    TTesselTabsControl strip;
    strip.resize(300, 40);
    strip.SetTabStyle(c.Style);
    strip.SetTabItems({QStringLiteral("A")});
    ASSERT_EQ(strip.height(), 24);
    const QImage image = Grab(strip);
    for (int x : {0, 3, 150, 299}) {
        EXPECT_TRUE(HasColour(image, {x, c.LineY}, StripLine));
        for (int y : {0, 2, 12, 22}) {
            if (y != c.LineY) {
                EXPECT_TRUE(HasColour(image, {x, y}, Background));
            }
        }
    }
}

TEST_P(StripLayoutTest, TabsStartAtEightAndFollowEachOtherByTheirTabWidth)
{
    const TStripLineCase c = GetParam();
    TTesselTabsControl strip;
    strip.resize(500, 24);
    strip.SetTabStyle(c.Style);
    QImage symbol(16, 12, QImage::Format_RGB32);
    symbol.fill(Qt::red);
    strip.SetImages({symbol});
    strip.SetTabItems({QStringLiteral("Kalender"), QStringLiteral("Pinnwand"), QStringLiteral("Übersicht")});
    ASSERT_EQ(strip.TabCount(), 3);

    int left = 8;
    for (int i = 0; i < 3; ++i) {
        const TTesselTab *tab = strip.Tab(i);
        QFont bold = tab->font();
        bold.setBold(true);
        const int symbolWidth = i == 0 ? 16 : 0;
        EXPECT_EQ(tab->GetTabWidth(), QFontMetrics(bold).horizontalAdvance(strip.TabItems()[i]) + 10 + symbolWidth + 6);
        EXPECT_EQ(tab->geometry(), QRect(left, c.TabTop, tab->GetTabWidth() - 2, 20)) << "tab " << i;
        EXPECT_EQ(tab->Symbol().isNull(), i != 0);
        EXPECT_EQ(tab->Style(), c.Style);
        left += tab->GetTabWidth();
    }
}

TEST(TesselTabsControl, TabsFollowTheStripsFont)
{
    TTesselTabsControl strip;
    strip.resize(600, 24);
    strip.SetTabItems({QStringLiteral("Kalender"), QStringLiteral("Pinnwand")});
    const int before = strip.Tab(0)->GetTabWidth();
    strip.setFont(QFont(QStringLiteral("Tahoma"), 16));
    const TTesselTab *first = strip.Tab(0);
    EXPECT_GT(first->GetTabWidth(), before);
    EXPECT_EQ(first->width(), first->GetTabWidth() - 2);
    EXPECT_EQ(strip.Tab(1)->x(), 8 + first->GetTabWidth());
    EXPECT_EQ(strip.height(), 24);
}

INSTANTIATE_TEST_SUITE_P(Styles, StripLayoutTest,
                         ::testing::Values(TStripLineCase{TStyle::sTopToBottom, 23, 4},
                                           TStripLineCase{TStyle::sBottomToTop, 1, 1}));

// ------------------------------------------------------------- tab drawing

enum class TTabState { Inactive, Active, Hovered, ActiveHovered };

struct TTabCase
{
    TStyle Style;
    TTabState State;
    // Rows of the tab and their colour, at x = 2 (clear of symbol and text).
    std::vector<std::pair<int, QRgb>> Rows;
    QRgb Outline;
};

void PrintTo(const TTabCase &c, std::ostream *os)
{
    *os << (c.Style == TStyle::sTopToBottom ? "sTopToBottom" : "sBottomToTop") << " state "
        << static_cast<int>(c.State);
}

class TabDrawingTest : public ::testing::TestWithParam<TTabCase> {};

TEST_P(TabDrawingTest, GradientsAndOutlineFollowTheState)
{
    const TTabCase c = GetParam();
    TTesselTabsControl strip;
    strip.resize(300, 24);
    strip.SetTabStyle(c.Style);
    strip.SetTabItems({QStringLiteral("Kalender"), QStringLiteral("Pinnwand")});
    TTesselTab *tab = strip.Tab(0);
    if (c.State == TTabState::Active || c.State == TTabState::ActiveHovered)
        strip.SetTabIndex(0);
    if (c.State == TTabState::Hovered || c.State == TTabState::ActiveHovered)
        Hover(tab, true);
    const QImage image = Grab(*tab);
    ASSERT_EQ(image.height(), 20);
    const int right = image.width() - 1;

    for (const auto &[row, colour] : c.Rows) {
        EXPECT_TRUE(HasColour(image, {2, row}, colour)) << "row " << row;
        EXPECT_TRUE(HasColour(image, {right - 1, row}, colour)) << "row " << row;
    }
    for (int y : {0, 10, 19}) {
        EXPECT_TRUE(HasColour(image, {0, y}, c.Outline));
        EXPECT_TRUE(HasColour(image, {right, y}, c.Outline));
    }
}

// Tab rows: 20 high, a third is 6 rows. Active and hovered tabs carry A1 → A2
// over rows 0–5 and B1 → B2 over rows 6–19; inactive ones B1 → B2 over rows
// 0–13 and A2 → A1 over rows 14–19. Rows 0 and 19 are outline except the
// active tab's open edge.
INSTANTIATE_TEST_SUITE_P(
    States, TabDrawingTest,
    ::testing::Values(
        TTabCase{TStyle::sTopToBottom,
                 TTabState::Inactive,
                 {{0, InactiveOutline}, {13, 0xC2DACB}, {14, 0xB6D1C0}, {19, InactiveOutline}},
                 InactiveOutline},
        TTabCase{TStyle::sBottomToTop,
                 TTabState::Inactive,
                 {{0, InactiveOutline}, {13, 0xC2DACB}, {14, 0xB6D1C0}, {19, InactiveOutline}},
                 InactiveOutline},
        TTabCase{TStyle::sTopToBottom,
                 TTabState::Hovered,
                 {{0, InactiveOutline}, {5, 0xCFE2D8}, {6, 0xB6D1C0}, {19, InactiveOutline}},
                 InactiveOutline},
        TTabCase{TStyle::sBottomToTop,
                 TTabState::Hovered,
                 {{0, InactiveOutline}, {5, 0xCFE2D8}, {6, 0xB6D1C0}, {19, InactiveOutline}},
                 InactiveOutline},
        // Open towards the page below: row 19 is the gradient's end.
        TTabCase{TStyle::sTopToBottom,
                 TTabState::Active,
                 {{0, ActiveOutline}, {5, 0xDEDAC7}, {6, 0xCBC4A5}, {19, 0xE6E2D2}},
                 ActiveOutline},
        // Open towards the page above: row 0 is the gradient's start.
        TTabCase{TStyle::sBottomToTop,
                 TTabState::Active,
                 {{0, 0xEBE8DA}, {5, 0xDEDAC7}, {6, 0xCBC4A5}, {19, ActiveOutline}},
                 ActiveOutline},
        TTabCase{TStyle::sTopToBottom,
                 TTabState::ActiveHovered,
                 {{0, ActiveOutline}, {5, 0xDEDAC7}, {6, 0xCBC4A5}, {19, 0xE6E2D2}},
                 ActiveOutline}));

TEST(TesselTab, HoverFlagFollowsTheMouseAndLeavingRestoresTheInactiveLook)
{
    TTesselTabsControl strip;
    strip.SetTabItems({QStringLiteral("Kalender")});
    TTesselTab *tab = strip.Tab(0);
    QSignalSpy entered(tab, &TTesselTab::MouseEntered);
    QSignalSpy left(tab, &TTesselTab::MouseLeft);

    Hover(tab, true);
    EXPECT_TRUE(tab->Hover());
    EXPECT_TRUE(HasColour(Grab(*tab), {2, 5}, 0xCFE2D8));
    Hover(tab, false);
    EXPECT_FALSE(tab->Hover());
    EXPECT_TRUE(HasColour(Grab(*tab), {2, 13}, 0xC2DACB));
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 1);
}

TEST(TesselTabsControl, ActiveTabOpensOntoTheStripLine)
{
    // In the strip the active tab covers the line; an inactive one draws its
    // own outline over it.
    TTesselTabsControl strip;
    strip.resize(300, 24);
    strip.SetTabItems({QStringLiteral("Kalender"), QStringLiteral("Pinnwand")});
    strip.SetTabIndex(1);
    const QImage image = Grab(strip);
    const QRect inactive = strip.Tab(0)->geometry();
    const QRect active = strip.Tab(1)->geometry();
    EXPECT_TRUE(HasColour(image, {inactive.left() + 2, 23}, InactiveOutline));
    EXPECT_TRUE(HasColour(image, {active.left() + 2, 23}, 0xE6E2D2));
    EXPECT_TRUE(HasColour(image, {active.left() + 2, 4}, ActiveOutline));
    // Between the tabs the strip shows through.
    EXPECT_TRUE(HasColour(image, {inactive.right() + 1, 12}, Background));
    EXPECT_TRUE(HasColour(image, {inactive.right() + 2, 12}, Background));
    EXPECT_EQ(active.left(), inactive.right() + 3);
}

// ------------------------------------------------------------- tab index

TEST(TesselTabsControl, ShowsAtMostTwelveTabs)
{
    TTesselTabsControl strip;
    strip.SetTabItems(Captions(14));
    EXPECT_EQ(strip.TabCount(), 12);
    EXPECT_EQ(strip.TabItems().size(), 14);
    EXPECT_EQ(strip.Tab(11)->Caption(), QStringLiteral("Tab 12"));
    EXPECT_EQ(strip.Tab(12), nullptr);
}

TEST(TesselTabsControl, SetTabIndexActivatesOneTabAndAlwaysNotifies)
{
    TTesselTabsControl strip;
    strip.SetTabItems(Captions(14));
    QSignalSpy change(&strip, &TTesselTabsControl::Change);

    const struct
    {
        int Index;
        int Active;
    } steps[] = {{3, 1}, {3, 1}, {11, 1}, {12, 0}, {-1, 0}, {0, 1}, {99, 0}};
    int notified = 0;
    for (const auto &step : steps) {
        strip.SetTabIndex(step.Index);
        EXPECT_EQ(strip.TabIndex(), step.Index);
        EXPECT_EQ(change.count(), ++notified) << "index " << step.Index;
        EXPECT_EQ(ActiveCount(strip), step.Active) << "index " << step.Index;
        if (step.Active) {
            EXPECT_TRUE(strip.Tab(step.Index)->Active());
        }
    }
}

TEST(TesselTabsControl, EveryRebuildLeavesNoTabActive)
{
    const struct
    {
        const char *Name;
        void (*Change)(TTesselTabsControl &);
    } rebuilds[] = {
        {"fewer captions", [](TTesselTabsControl &s) { s.SetTabItems(Captions(2)); }},
        {"more captions", [](TTesselTabsControl &s) { s.SetTabItems(Captions(8)); }},
        {"style", [](TTesselTabsControl &s) { s.SetTabStyle(TStyle::sBottomToTop); }},
        {"images", [](TTesselTabsControl &s) { s.SetImages({QImage(8, 8, QImage::Format_RGB32)}); }},
    };
    for (const auto &rebuild : rebuilds) {
        TTesselTabsControl strip;
        strip.SetTabItems(Captions(5));
        strip.SetTabIndex(4);
        QSignalSpy change(&strip, &TTesselTabsControl::Change);
        rebuild.Change(strip);
        EXPECT_EQ(strip.TabIndex(), -1) << rebuild.Name;
        EXPECT_EQ(ActiveCount(strip), 0) << rebuild.Name;
        EXPECT_EQ(change.count(), 0) << rebuild.Name;
    }
}

TEST(TesselTabsControl, ClickActivatesAnInactiveTabAndIgnoresTheActiveOne)
{
    StripFixture f;
    ASSERT_TRUE(f.Active);
    f.Strip->SetTabIndex(1);
    QSignalSpy change(f.Strip, &TTesselTabsControl::Change);

    QTest::mouseClick(f.Strip->Tab(1), Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(change.count(), 0);
    EXPECT_EQ(f.Strip->TabIndex(), 1);

    QTest::mouseClick(f.Strip->Tab(2), Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(change.count(), 1);
    EXPECT_EQ(f.Strip->TabIndex(), 2);
    EXPECT_TRUE(f.Strip->Tab(2)->Active());
    EXPECT_FALSE(f.Strip->Tab(1)->Active());
}

TEST(TesselTabsControl, ARebuildFromInsideAClickIsSafe)
{
    StripFixture f;
    ASSERT_TRUE(f.Active);
    QObject::connect(f.Strip, &TTesselTabsControl::Change, f.Strip,
                     [&f] { f.Strip->SetTabItems(Captions(4)); }, Qt::SingleShotConnection);
    QTest::mouseClick(f.Strip->Tab(2), Qt::LeftButton, {}, QPoint(5, 10));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(f.Strip->TabCount(), 4);
    EXPECT_EQ(f.Strip->findChildren<TTesselTab *>().size(), 4);
}

// ------------------------------------------------------------- keyboard

TEST(TesselTabsControl, TabKeyFocusesTheStrip)
{
    StripFixture f;
    ASSERT_TRUE(f.Active);
    f.Before->setFocus();
    QTest::keyClick(f.Before, Qt::Key_Tab);
    EXPECT_TRUE(f.Strip->hasFocus());
}

TEST(TesselTabsControl, ArrowHomeAndEndMoveTheActiveTab)
{
    StripFixture f;
    ASSERT_TRUE(f.Active);
    f.Strip->setFocus();
    ASSERT_TRUE(f.Strip->hasFocus());
    const struct
    {
        int From;
        Qt::Key Key;
        int To;
    } cases[] = {
        {-1, Qt::Key_Right, 0}, {-1, Qt::Key_Left, 2}, {0, Qt::Key_Right, 1}, {1, Qt::Key_Left, 0},
        {0, Qt::Key_Left, 0},   {2, Qt::Key_Right, 2}, {0, Qt::Key_End, 2},   {2, Qt::Key_Home, 0},
    };
    for (const auto &c : cases) {
        f.Strip->SetTabIndex(c.From);
        QSignalSpy change(f.Strip, &TTesselTabsControl::Change);
        QTest::keyClick(f.Strip, c.Key);
        EXPECT_EQ(f.Strip->TabIndex(), c.To) << c.From << " key " << c.Key;
        EXPECT_EQ(change.count(), c.From == c.To ? 0 : 1) << c.From << " key " << c.Key;
        EXPECT_EQ(ActiveCount(*f.Strip), 1);
    }
}

// ------------------------------------------------------------- accessibility

TEST(TesselTabsControl, TabsArePageTabsNamedByCaptionAndCheckedWhileActive)
{
    StripFixture f;
    ASSERT_TRUE(f.Active);
    f.Strip->SetTabIndex(1);

    QAccessibleInterface *strip = QAccessible::queryAccessibleInterface(f.Strip);
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->role(), QAccessible::PageTabList);
    ASSERT_EQ(strip->childCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QAccessibleInterface *tab = strip->child(i);
        ASSERT_NE(tab, nullptr);
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->text(QAccessible::Name), f.Strip->TabItems()[i]);
        EXPECT_EQ(tab->state().checked, i == 1) << i;
        EXPECT_EQ(tab->state().selected, i == 1) << i;
    }
}

TEST(TesselTabsControl, PressingATabThroughAccessibilityActivatesIt)
{
    StripFixture f;
    ASSERT_TRUE(f.Active);
    QAccessibleInterface *tab = QAccessible::queryAccessibleInterface(f.Strip->Tab(2));
    ASSERT_NE(tab, nullptr);
    ASSERT_NE(tab->actionInterface(), nullptr);
    tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(f.Strip->TabIndex(), 2);
    EXPECT_TRUE(tab->state().checked);
}

} // namespace
