#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include "ListsTestSupport.h"
#include "controls/WheelScrollBox.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <functional>

namespace {

// A 400 x 300 box over a page of 1000 x 2000 pixels, beside an edit field
// that holds the focus at the start.
class ScrollBoxFixture : public ::testing::Test
{
protected:
    ScrollBoxFixture()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(box);
        layout->addWidget(edit);
        auto *page = new QWidget;
        page->setFixedSize(1000, 2000);
        box->setWidget(page);
        box->setFixedSize(400, 300);
        ShowActive(window);
        edit->setFocus();
    }

    QScrollBar &V() const { return *box->verticalScrollBar(); }
    QScrollBar &H() const { return *box->horizontalScrollBar(); }
    int Page() const { return box->viewport()->height(); }

    // One wheel event over the page; returns whether the box took it.
    bool Wheel(int angle, QWidget *over = nullptr)
    {
        QWidget *target = over ? over : box->viewport();
        const QPointF pos = QRectF(target->rect()).center();
        QWheelEvent wheel(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
        return wheel.isAccepted();
    }

    QWidget window;
    TWheelScrollBox *box = new TWheelScrollBox;
    QLineEdit *edit = new QLineEdit;
};

struct TKeyCase
{
    const char *Name;
    Qt::Key Key;
    // Start and expected positions from the page height and the range end.
    std::function<int(int page, int max)> Start;
    std::function<int(int page, int max)> Expected;
    bool Horizontal = false;
};

class ScrollBoxKeyTest : public ScrollBoxFixture, public ::testing::WithParamInterface<TKeyCase>
{
};

TEST_P(ScrollBoxKeyTest, KeysMoveByStepPageOrToTheEnds)
{
    const TKeyCase &c = GetParam();
    QScrollBar &bar = c.Horizontal ? H() : V();
    ASSERT_GT(bar.maximum(), 2 * Page()) << "the page is larger than the box";
    bar.setValue(c.Start(Page(), bar.maximum()));
    box->setFocus();
    QTest::keyClick(box, c.Key);
    EXPECT_EQ(bar.value(), c.Expected(Page(), bar.maximum()));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ScrollBoxKeyTest,
    ::testing::Values(
        TKeyCase{"Down", Qt::Key_Down, [](int, int) { return 100; }, [](int, int) { return 130; }},
        TKeyCase{"Up", Qt::Key_Up, [](int, int) { return 100; }, [](int, int) { return 70; }},
        TKeyCase{"UpNearTop", Qt::Key_Up, [](int, int) { return 10; }, [](int, int) { return 0; }},
        TKeyCase{"DownNearEnd", Qt::Key_Down, [](int, int m) { return m - 10; }, [](int, int m) { return m; }},
        TKeyCase{"Right", Qt::Key_Right, [](int, int) { return 0; }, [](int, int) { return 30; }, true},
        TKeyCase{"Left", Qt::Key_Left, [](int, int) { return 45; }, [](int, int) { return 15; }, true},
        TKeyCase{"PageDown", Qt::Key_PageDown, [](int, int) { return 20; }, [](int p, int) { return 20 + p; }},
        TKeyCase{"PageDownAtTheEnd", Qt::Key_PageDown, [](int p, int m) { return m - p / 2; },
                 [](int, int m) { return m; }},
        TKeyCase{"PageDownOnTheEnd", Qt::Key_PageDown, [](int, int m) { return m; }, [](int, int m) { return m; }},
        TKeyCase{"PageUp", Qt::Key_PageUp, [](int p, int) { return 2 * p; }, [](int p, int) { return p; }},
        TKeyCase{"PageUpNearTop", Qt::Key_PageUp, [](int p, int) { return p / 2; }, [](int, int) { return 0; }},
        TKeyCase{"Home", Qt::Key_Home, [](int, int m) { return m / 2; }, [](int, int) { return 0; }},
        TKeyCase{"End", Qt::Key_End, [](int, int) { return 50; }, [](int, int m) { return m; }}),
    [](const auto &info) { return std::string(info.param.Name); });

struct TWheelCase
{
    const char *Name;
    int Start;
    std::vector<int> Angles;
    int Expected;
};

class ScrollBoxWheelTest : public ScrollBoxFixture, public ::testing::WithParamInterface<TWheelCase>
{
};

TEST_P(ScrollBoxWheelTest, NotchScrollsSixtyPixelsAndFocusesTheBox)
{
    const TWheelCase &c = GetParam();
    box->ActivateMouseScroll();
    V().setValue(c.Start);
    for (int angle : c.Angles)
        EXPECT_TRUE(Wheel(angle));
    EXPECT_EQ(V().value(), c.Expected);
    EXPECT_TRUE(box->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(Notches, ScrollBoxWheelTest,
                         ::testing::Values(TWheelCase{"TowardsTheUser", 0, {-120}, 60},
                                           TWheelCase{"AwayFromTheUser", 200, {120}, 140},
                                           TWheelCase{"NotAboveTheTop", 20, {120}, 0},
                                           TWheelCase{"TwoNotches", 0, {-240}, 120},
                                           TWheelCase{"HalfNotchesAddUp", 0, {-60, -60, -60}, 60}),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST_F(ScrollBoxFixture, WheelOverTheScrollBarScrollsTheSame)
{
    box->ActivateMouseScroll();
    Wheel(-120, &V());
    EXPECT_EQ(V().value(), 60);
}

TEST_F(ScrollBoxFixture, WheelIsLeftAloneWhileInactive)
{
    V().setValue(100);
    EXPECT_FALSE(Wheel(-120));
    EXPECT_EQ(V().value(), 100);
    EXPECT_FALSE(box->hasFocus());

    box->ActivateMouseScroll();
    box->DeactivateMouseScroll();
    EXPECT_FALSE(Wheel(-120));
    EXPECT_EQ(V().value(), 100);
}

} // namespace
