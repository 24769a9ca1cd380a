#include "controls/VistaGradLabel.h"
#include "controls/VistaGradPanel.h"
#include "controls/VistaGroupBox.h"
#include "shell/Clock.h"

#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "support/PixelAssertions.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>

namespace {

// ------------------------------------------------------------------ helpers


struct TPaintCounter : QObject
{
    int Paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};

// A panel that shows only its gradient.
void MakeBare(TVistaGradPanel &panel, int width, int height)
{
    panel.SetShowCaption(false);
    panel.resize(width, height);
}

// ----------------------------------------------------- panel gradient ends

struct TGradientCase
{
    TGradStyle Style;
    TGradOrientation Orientation;
    QRgb Start;
    QRgb End;
};

void PrintTo(const TGradientCase &c, std::ostream *os)
{
    *os << "style " << static_cast<int>(c.Style) << ", orientation " << static_cast<int>(c.Orientation);
}

class PanelGradientTest : public ::testing::TestWithParam<TGradientCase> {};

TEST_P(PanelGradientTest, EndColumnsOrRowsCarryStartAndEndColours)
{
    const TGradientCase c = GetParam();
    TVistaGradPanel panel;
    MakeBare(panel, 120, 30);
    panel.SetGradStyle(c.Style);
    panel.SetStartColor(QColor(0x102030));
    panel.SetEndColor(QColor(0xF0E0D0));
    panel.SetGradOrientation(c.Orientation);
    const QImage image = Grab(panel);

    const bool horizontal = c.Orientation == TGradOrientation::goLeftToRigth
        || c.Orientation == TGradOrientation::goRightToLeft;
    const bool reversed = c.Orientation == TGradOrientation::goRightToLeft
        || c.Orientation == TGradOrientation::goBottomToTop;
    const QRgb first = reversed ? c.End : c.Start;
    const QRgb last = reversed ? c.Start : c.End;
    // Along the other axis the colour does not change.
    for (int across : {0, 14, 29}) {
        if (horizontal) {
            EXPECT_TRUE(HasColour(image, {0, across}, first));
            EXPECT_TRUE(HasColour(image, {119, across}, last));
        } else {
            EXPECT_TRUE(HasColour(image, {across * 4, 0}, first));
            EXPECT_TRUE(HasColour(image, {across * 4, 29}, last));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    StylesAndDirections, PanelGradientTest,
    ::testing::Values(
        TGradientCase{TGradStyle::gsBLUE, TGradOrientation::goLeftToRigth, 0xDCEAFF, 0xB1D3FF},
        TGradientCase{TGradStyle::gsYELLOW, TGradOrientation::goRightToLeft, 0xEFE8CC, 0xF6CE6E},
        TGradientCase{TGradStyle::gsGREEN, TGradOrientation::goTopToBottom, 0xDCEFDF, 0x9BD2A4},
        TGradientCase{TGradStyle::gsRED, TGradOrientation::goBottomToTop, 0xFADEDE, 0xF5BCBC},
        TGradientCase{TGradStyle::gsGRAY, TGradOrientation::goLeftToRigth, 0xE6E2DD, 0xCDC8BE},
        TGradientCase{TGradStyle::gsSILVER, TGradOrientation::goRightToLeft, 0xEBECEE, 0xCBCDD3},
        TGradientCase{TGradStyle::gsSAPHIR, TGradOrientation::goTopToBottom, 0xD8E8EB, 0xADCAD3},
        TGradientCase{TGradStyle::gsDARKBLUE, TGradOrientation::goBottomToTop, 0x6F9DD9, 0x3370C1},
        TGradientCase{TGradStyle::gsORANGE, TGradOrientation::goLeftToRigth, 0xE69858, 0xD66920},
        TGradientCase{TGradStyle::gsDARKGREEN, TGradOrientation::goTopToBottom, 0x52A1BF, 0x206D9E},
        TGradientCase{TGradStyle::gsDARKGRAY, TGradOrientation::goBottomToTop, 0x939496, 0x666666},
        // The panel's own colours, set to 0x102030 → 0xF0E0D0 above.
        TGradientCase{TGradStyle::gsDEFAULT, TGradOrientation::goRightToLeft, 0x102030, 0xF0E0D0},
        TGradientCase{TGradStyle::gsDEFAULT, TGradOrientation::goTopToBottom, 0x102030, 0xF0E0D0}));

// ----------------------------------------------------- panel and label lines

struct TLineCase
{
    bool Left;
    bool Right;
    bool Top;
    bool Bottom;
};

void PrintTo(const TLineCase &c, std::ostream *os)
{
    *os << "left " << c.Left << " right " << c.Right << " top " << c.Top << " bottom " << c.Bottom;
}

// Each edge's middle and both of its ends show the line colour exactly when
// the edge's line is on; otherwise the gradient shows there.
void ExpectLines(const QImage &image, const TLineCase &c, QRgb line)
{
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    const struct
    {
        bool On;
        QPoint Points[3];
    } edges[] = {
        {c.Left, {{0, 1}, {0, bottom / 2}, {0, bottom - 1}}},
        {c.Right, {{right, 1}, {right, bottom / 2}, {right, bottom - 1}}},
        {c.Top, {{1, 0}, {right / 2, 0}, {right - 1, 0}}},
        {c.Bottom, {{1, bottom}, {right / 2, bottom}, {right - 1, bottom}}},
    };
    for (const auto &edge : edges) {
        for (const QPoint &p : edge.Points) {
            if (edge.On)
                EXPECT_TRUE(HasColour(image, p, line));
            else
                EXPECT_FALSE(HasColour(image, p, line));
        }
    }
    const bool corner = c.Left || c.Top;
    EXPECT_EQ(HasColour(image, {0, 0}, line), corner) << "top-left corner";
}

class GradLinesTest : public ::testing::TestWithParam<TLineCase> {};

TEST_P(GradLinesTest, PanelDrawsItsLinesInTheStylesLineColour)
{
    const TLineCase c = GetParam();
    const struct
    {
        TGradStyle Style;
        QRgb Line;
    } styles[] = {{TGradStyle::gsBLUE, 0x4B5E7C}, {TGradStyle::gsSILVER, 0x9FA9AF},
                  {TGradStyle::gsSAPHIR, 0x959796}, {TGradStyle::gsDEFAULT, 0xFF0000}};
    for (const auto &style : styles) {
        SCOPED_TRACE(Hex(style.Line).toStdString());
        TVistaGradPanel panel;
        MakeBare(panel, 80, 24);
        panel.SetGradStyle(style.Style);
        panel.SetLineColor(QColor(0xFF0000));
        panel.SetLeftLine(c.Left);
        panel.SetRightLine(c.Right);
        panel.SetTopLine(c.Top);
        panel.SetButtomLine(c.Bottom);
        ExpectLines(Grab(panel), c, style.Line);
    }
}

TEST_P(GradLinesTest, LabelDrawsItsLinesInLineColour)
{
    const TLineCase c = GetParam();
    TVistaGradLabel label;
    label.SetCaption(QString());
    label.SetLeftLine(c.Left);
    label.SetRightLine(c.Right);
    label.SetTopLine(c.Top);
    label.SetButtomLine(c.Bottom);
    ExpectLines(Grab(label), c, 0x1E406A);
}

INSTANTIATE_TEST_SUITE_P(Edges, GradLinesTest,
                         ::testing::Values(TLineCase{false, false, false, false}, TLineCase{true, false, false, false},
                                           TLineCase{false, true, false, false}, TLineCase{false, false, true, false},
                                           TLineCase{false, false, false, true}, TLineCase{true, true, true, true}));

// ------------------------------------------------------------ gradient label

TEST(VistaGradLabel, FillsTopToBottomFromStartToEndColour)
{
    TVistaGradLabel label;
    label.SetCaption(QString());
    label.resize(60, 18);
    QImage image = Grab(label);
    for (int x : {0, 30, 59}) {
        EXPECT_TRUE(HasColour(image, {x, 0}, 0x5E92D0));
        EXPECT_TRUE(HasColour(image, {x, 17}, 0x3472BC));
    }

    label.SetStartColor(QColor(0x000080));
    label.SetEndColor(QColor(0x80FF00));
    image = Grab(label);
    EXPECT_TRUE(HasColour(image, {5, 0}, 0x000080));
    EXPECT_TRUE(HasColour(image, {5, 17}, 0x80FF00));
}

TEST(VistaGradLabel, AutoSizeFitsTheCaptionWidthAndKeepsTheHeight)
{
    TVistaGradLabel label;
    label.resize(300, 22);
    label.SetCaption(QStringLiteral("Zahlungstermine"));
    label.SetAutoSize(true);
    EXPECT_EQ(label.width(), QFontMetrics(label.Font()).horizontalAdvance(QStringLiteral("Zahlungstermine")) + 8);
    EXPECT_EQ(label.height(), 22);

    label.SetCaption(QStringLiteral("Rechnungen und Zahlungstermine"));
    EXPECT_EQ(label.width(),
              QFontMetrics(label.Font()).horizontalAdvance(QStringLiteral("Rechnungen und Zahlungstermine")) + 8);
}

TEST(VistaGradLabel, CaptionNamesTheLabelAndItsBuddy)
{
    TVistaGradLabel label;
    QWidget list;
    label.SetBuddy(&list);
    label.SetCaption(QStringLiteral("Nächste Termine"));
    EXPECT_EQ(label.accessibleName(), QStringLiteral("Nächste Termine"));
    EXPECT_EQ(list.accessibleName(), QStringLiteral("Nächste Termine"));
}

// ----------------------------------------------------------- panel picture

TEST(VistaGradPanel, PicIdleIsDrawnAtThreeVerticallyCentredWithItsCornerColourClear)
{
    // Magenta ground with a blue 4 × 4 square in the middle.
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(QColor(0xFF00FF));
    QPainter(&picture).fillRect(2, 2, 4, 4, QColor(0x0000FF));

    TVistaGradPanel panel;
    MakeBare(panel, 60, 31);
    panel.SetGradStyle(TGradStyle::gsDEFAULT);
    panel.SetStartColor(QColor(0x20A040));
    panel.SetEndColor(QColor(0x20A040));
    panel.SetPicIdle(picture);
    const QImage image = Grab(panel);

    const QPoint origin(3, 31 / 2 - 8 / 2);
    EXPECT_TRUE(HasColour(image, origin, 0x20A040)) << "the ground colour is clear";
    EXPECT_TRUE(HasColour(image, origin + QPoint(7, 7), 0x20A040));
    EXPECT_TRUE(HasColour(image, origin + QPoint(2, 2), 0x0000FF));
    EXPECT_TRUE(HasColour(image, origin + QPoint(5, 5), 0x0000FF));
    EXPECT_TRUE(HasColour(image, origin + QPoint(1, 2), 0x20A040));
    EXPECT_TRUE(HasColour(image, origin + QPoint(6, 5), 0x20A040));
}

// ------------------------------------------------------- panel date and time

struct TInfoCase
{
    QDateTime Now;
    bool Date;
    bool KW;
    bool Time;
    const char *Expected;
};

void PrintTo(const TInfoCase &c, std::ostream *os)
{
    *os << c.Now.toString(Qt::ISODate).toStdString() << " date " << c.Date << " KW " << c.KW << " time " << c.Time;
}

class PanelInfoTextTest : public ::testing::TestWithParam<TInfoCase> {};

TEST_P(PanelInfoTextTest, BuildsTheGermanDateWeekAndTime)
{
    const TInfoCase c = GetParam();
    TClock clock;
    clock.Pin(c.Now);
    TVistaGradPanel panel;
    panel.SetClock(&clock);
    panel.SetShowDate(c.Date);
    panel.SetShowKW(c.KW);
    panel.SetShowTime(c.Time);
    EXPECT_EQ(panel.InfoText(), QString::fromUtf8(c.Expected));
}

const QDateTime November9(QDate(2017, 11, 9), QTime(14, 5, 42));

INSTANTIATE_TEST_SUITE_P(
    Switches, PanelInfoTextTest,
    ::testing::Values(
        TInfoCase{November9, true, true, true, "Donnerstag, 09. November 2017  (45. KW)  14:05 Uhr"},
        TInfoCase{November9, true, false, false, "Donnerstag, 09. November 2017"},
        TInfoCase{November9, false, false, true, "  14:05 Uhr"},
        TInfoCase{November9, false, false, false, ""},
        // 1 January 2021 is a Friday and belongs to the last week of 2020.
        TInfoCase{QDateTime(QDate(2021, 1, 1), QTime(0, 0)), false, true, false, "  (53. KW)"},
        TInfoCase{QDateTime(QDate(2021, 1, 1), QTime(7, 9)), true, true, true,
                  "Freitag, 01. Januar 2021  (53. KW)  07:09 Uhr"},
        TInfoCase{QDateTime(QDate(2018, 3, 5), QTime(23, 59)), true, true, false, "Montag, 05. März 2018  (10. KW)"}));

TEST(VistaGradPanel, ClockTimerRunsExactlyWhileAnInfoPartIsShown)
{
    TVistaGradPanel panel;
    const auto *timer = panel.findChild<QTimer *>(QStringLiteral("ClockTimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);

    const struct
    {
        void (TVistaGradPanel::*Set)(bool);
        bool On;
        bool Running;
    } steps[] = {
        {&TVistaGradPanel::SetShowTime, true, true},  {&TVistaGradPanel::SetShowDate, true, true},
        {&TVistaGradPanel::SetShowTime, false, true}, {&TVistaGradPanel::SetShowDate, false, false},
        {&TVistaGradPanel::SetShowKW, true, true},    {&TVistaGradPanel::SetShowKW, false, false},
    };
    for (const auto &step : steps) {
        (panel.*step.Set)(step.On);
        EXPECT_EQ(timer->isActive(), step.Running);
    }
}

TEST(VistaGradPanel, RepaintsAndRenamesOnlyWhenTheShownMinuteMovesOn)
{
    TClock clock;
    clock.Pin(QDateTime(QDate(2017, 11, 9), QTime(14, 5, 0)));
    TVistaGradPanel panel;
    panel.SetClock(&clock);
    panel.SetCaption(QStringLiteral("Status"));
    panel.SetShowTime(true);
    panel.resize(200, 20);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(panel.accessibleName(), QStringLiteral("Status 14:05 Uhr"));

    TPaintCounter counter;
    panel.installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.Paints = 0;

    clock.Pin(QDateTime(QDate(2017, 11, 9), QTime(14, 5, 59)));
    panel.CheckClock();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.Paints, 0);

    clock.Pin(QDateTime(QDate(2017, 11, 9), QTime(14, 6, 0)));
    panel.CheckClock();
    QCoreApplication::processEvents();
    EXPECT_GE(counter.Paints, 1);
    EXPECT_EQ(panel.accessibleName(), QStringLiteral("Status 14:06 Uhr"));
}

TEST(VistaGradPanel, ANewDayRepaintsADateOnlyPanel)
{
    TClock clock;
    clock.Pin(QDateTime(QDate(2017, 11, 9), QTime(23, 59, 59)));
    TVistaGradPanel panel;
    panel.SetClock(&clock);
    panel.SetShowCaption(false);
    panel.SetShowDate(true);
    EXPECT_EQ(panel.accessibleName(), QStringLiteral("Donnerstag, 09. November 2017"));

    clock.Pin(QDateTime(QDate(2017, 11, 10), QTime(0, 0, 0)));
    panel.CheckClock();
    EXPECT_EQ(panel.accessibleName(), QStringLiteral("Freitag, 10. November 2017"));
}

TEST(VistaGradPanel, AccessibleNameFollowsCaptionAndShowCaption)
{
    TVistaGradPanel panel;
    EXPECT_EQ(panel.accessibleName(), QStringLiteral("VistaGradPanel"));
    panel.SetCaption(QStringLiteral("Speichern & Schließen"));
    EXPECT_EQ(panel.accessibleName(), QStringLiteral("Speichern & Schließen"));
    panel.SetShowCaption(false);
    EXPECT_EQ(panel.accessibleName(), QString());
}

// ------------------------------------------------------------ panel autosize

struct TAutoSizeCase
{
    TAlign Align;
    bool SetsWidth;
    bool SetsHeight;
};

void PrintTo(const TAutoSizeCase &c, std::ostream *os)
{
    *os << "align " << static_cast<int>(c.Align);
}

class PanelAutoSizeTest : public ::testing::TestWithParam<TAutoSizeCase> {};

TEST_P(PanelAutoSizeTest, TakesTheTextSizeInTheDimensionsItsAlignLeavesFree)
{
    const TAutoSizeCase c = GetParam();
    TClock clock;
    clock.Pin(QDateTime(QDate(2021, 1, 1), QTime(9, 30)));
    QWidget bar;
    bar.resize(600, 40);
    auto *panel = new TVistaGradPanel(&bar);
    const QRect start(400, 5, 200, 30);
    panel->setGeometry(start);
    panel->SetClock(&clock);
    panel->SetShowCaption(false);
    panel->SetShowDate(true);
    panel->SetShowKW(true);
    panel->SetShowTime(true);
    panel->SetAlign(c.Align);
    panel->SetAutoSize(true);

    const QFontMetrics metrics(panel->Font());
    const int width = metrics.horizontalAdvance(QStringLiteral("Freitag, 01. Januar 2021  (53. KW)  09:30 Uhr")) + 10;
    const int height = metrics.height() + 4;
    const QRect frame = panel->geometry();
    EXPECT_EQ(frame.width(), c.SetsWidth ? width : start.width());
    EXPECT_EQ(frame.height(), c.SetsHeight ? height : start.height());
    // Docked right or bottom, the panel keeps that edge.
    if (c.Align == TAlign::alRight)
        EXPECT_EQ(frame.right(), start.right());
    else
        EXPECT_EQ(frame.left(), start.left());
    if (c.Align == TAlign::alBottom)
        EXPECT_EQ(frame.bottom(), start.bottom());
    else
        EXPECT_EQ(frame.top(), start.top());
}

INSTANTIATE_TEST_SUITE_P(Aligns, PanelAutoSizeTest,
                         ::testing::Values(TAutoSizeCase{TAlign::alNone, true, true},
                                           TAutoSizeCase{TAlign::alRight, true, false},
                                           TAutoSizeCase{TAlign::alLeft, true, false},
                                           TAutoSizeCase{TAlign::alTop, false, true},
                                           TAutoSizeCase{TAlign::alBottom, false, true},
                                           TAutoSizeCase{TAlign::alClient, false, false}));

TEST(VistaGradPanel, AutoSizeWithPictureAddsItsWidthAndTakesTheTallerHeight)
{
    QImage picture(20, 30, QImage::Format_RGB32);
    picture.fill(Qt::white);
    TVistaGradPanel panel;
    panel.SetCaption(QStringLiteral("Scannen"));
    panel.SetPicIdle(picture);
    panel.SetAutoSize(true);
    const QFontMetrics metrics(panel.Font());
    EXPECT_EQ(panel.width(), metrics.horizontalAdvance(QStringLiteral("Scannen")) + 20 + 16);
    EXPECT_EQ(panel.height(), 30 + 4);

    // The width follows the shown text as it grows.
    panel.SetCaption(QStringLiteral("Scannen und speichern"));
    EXPECT_EQ(panel.width(), metrics.horizontalAdvance(QStringLiteral("Scannen und speichern")) + 20 + 16);
}

// ------------------------------------------------------------------ group box

enum class TBoxState { Normal, Focused, Disabled };

struct TBoxCase
{
    TBoxState State;
    QRgb Frame;
};

void PrintTo(const TBoxCase &c, std::ostream *os)
{
    *os << "state " << static_cast<int>(c.State);
}

// A shown, active window holding a group box, so that focus really moves.
class GroupBoxFixture
{
public:
    GroupBoxFixture()
    {
        m_window.resize(240, 160);
        Box = new TVistaGroupBox(&m_window);
        Box->setGeometry(10, 10, 200, 120);
        Box->SetCaption(QStringLiteral("Ab"));
        Inside = new QLineEdit(Box);
        Inside->setGeometry(30, 40, 100, 24);
        Outside = new QLineEdit(&m_window);
        Outside->setGeometry(10, 132, 100, 24);
        m_window.show();
        QApplication::setActiveWindow(&m_window);
        Active = QTest::qWaitForWindowActive(&m_window);
        Outside->setFocus();
    }

    TVistaGroupBox *Box = nullptr;
    QLineEdit *Inside = nullptr;
    QLineEdit *Outside = nullptr;
    bool Active = false;

private:
    QWidget m_window;
};

class GroupBoxFrameTest : public ::testing::TestWithParam<TBoxCase> {};

TEST_P(GroupBoxFrameTest, FrameShowsTheStateColourInsetSixPixels)
{
    const TBoxCase c = GetParam();
    GroupBoxFixture f;
    ASSERT_TRUE(f.Active);
    f.Box->SetColor(QColor(0xF0F0F0));
    if (c.State == TBoxState::Focused)
        f.Box->setFocus(Qt::TabFocusReason);
    if (c.State == TBoxState::Disabled)
        f.Box->setEnabled(false);
    QCoreApplication::processEvents();
    const QImage image = Grab(*f.Box);

    for (const QPoint &p : {QPoint(6, 60), QPoint(193, 60), QPoint(100, 113), QPoint(100, 6)})
        EXPECT_TRUE(HasColour(image, p, c.Frame));
    // Outside and inside the frame the box's colour.
    for (const QPoint &p : {QPoint(5, 60), QPoint(7, 60), QPoint(194, 60), QPoint(100, 114), QPoint(100, 5)})
        EXPECT_TRUE(HasColour(image, p, 0xF0F0F0));
    // The frame is cut open from x = 12 under the caption.
    EXPECT_TRUE(HasColour(image, {13, 6}, 0xF0F0F0));
    EXPECT_TRUE(HasColour(image, {11, 6}, c.Frame));
}

INSTANTIATE_TEST_SUITE_P(States, GroupBoxFrameTest,
                         ::testing::Values(TBoxCase{TBoxState::Normal, 0x4B5E7C}, TBoxCase{TBoxState::Focused, 0xE27200},
                                           TBoxCase{TBoxState::Disabled, 0x7A889E}));

TEST(VistaGroupBox, EnabledBoxTakesTheFocusOnAClickAndReportsIt)
{
    GroupBoxFixture f;
    ASSERT_TRUE(f.Active);
    QSignalSpy focused(f.Box, &TVistaGroupBox::Focused);
    QSignalSpy clicked(f.Box, &TVistaGroupBox::Clicked);
    QTest::mouseClick(f.Box, Qt::LeftButton, {}, QPoint(150, 90));
    EXPECT_TRUE(f.Box->hasFocus());
    EXPECT_TRUE(f.Box->IsFocused());
    EXPECT_EQ(focused.count(), 1);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(VistaGroupBox, DisabledBoxIgnoresAClick)
{
    GroupBoxFixture f;
    ASSERT_TRUE(f.Active);
    f.Box->setEnabled(false);
    QSignalSpy focused(f.Box, &TVistaGroupBox::Focused);
    QSignalSpy clicked(f.Box, &TVistaGroupBox::Clicked);
    QTest::mouseClick(f.Box, Qt::LeftButton, {}, QPoint(150, 90));
    EXPECT_FALSE(f.Box->hasFocus());
    EXPECT_TRUE(f.Outside->hasFocus());
    EXPECT_EQ(focused.count(), 0);
    EXPECT_EQ(clicked.count(), 0);
}

TEST(VistaGroupBox, FocusOnAChildLightsTheFrameUntilItLeaves)
{
    GroupBoxFixture f;
    ASSERT_TRUE(f.Active);
    QSignalSpy focused(f.Box, &TVistaGroupBox::Focused);
    f.Inside->setFocus();
    EXPECT_TRUE(f.Box->IsFocused());
    EXPECT_TRUE(HasColour(Grab(*f.Box), {6, 60}, 0xE27200));
    EXPECT_EQ(focused.count(), 1);

    f.Outside->setFocus();
    EXPECT_FALSE(f.Box->IsFocused());
    EXPECT_TRUE(HasColour(Grab(*f.Box), {6, 60}, 0x4B5E7C));
}

TEST(VistaGroupBox, TabReachesTheBoxBeforeItsChildren)
{
    GroupBoxFixture f;
    ASSERT_TRUE(f.Active);
    f.Box->setFocus();
    QTest::keyClick(f.Box, Qt::Key_Tab);
    EXPECT_TRUE(f.Inside->hasFocus());
    QTest::keyClick(f.Inside, Qt::Key_Backtab);
    EXPECT_TRUE(f.Box->hasFocus());
}

} // namespace
