#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include "ListsTestSupport.h"
#include "controls/ListColors.h"
#include "controls/VekDsgListBox.h"

#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <vector>

namespace {

using TRole = TListColors::TColorRole;

TEST(ListColorsTest, NewSetIsStandardButBlackUntilAStyleIsSet)
{
    TListColors colors;
    EXPECT_EQ(colors.Style(), TDSGStyle::dsStandard);
    for (int role = 0; role < TListColors::ColorRoleCount; ++role)
        EXPECT_EQ(Hex(colors.Color(TRole(role)).rgb()), "#000000") << "role " << role;

    // Setting the style it already has still loads the preset.
    QSignalSpy changed(&colors, &TListColors::Changed);
    colors.SetStyle(TDSGStyle::dsStandard);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(colors.BarFocused1().name(), "#cfe3f4");
}

struct TPresetCase
{
    TDSGStyle Style;
    const char *BarSelected2;
    const char *BarFocused1;
    const char *LineColor;
    const char *LineFocused;
    const char *Mods;
};

class ListColorsPresetTest : public ::testing::TestWithParam<TPresetCase>
{
};

TEST_P(ListColorsPresetTest, StyleLoadsItsPreset)
{
    const TPresetCase &c = GetParam();
    TListColors colors;
    colors.SetStyle(c.Style);
    EXPECT_EQ(colors.Style(), c.Style);
    EXPECT_EQ(colors.BarColor1().name(), "#ffffff");
    EXPECT_EQ(colors.BarColor2().name(), "#ffffff");
    EXPECT_EQ(colors.BarSelected2().name(), c.BarSelected2);
    EXPECT_EQ(colors.BarFocused1().name(), c.BarFocused1);
    EXPECT_EQ(colors.LineColor().name(), c.LineColor);
    EXPECT_EQ(colors.LineFocused().name(), c.LineFocused);
    EXPECT_EQ(colors.ModsColor1().name(), c.Mods);
    EXPECT_EQ(colors.ModsColor2().name(), c.Mods);
}

INSTANTIATE_TEST_SUITE_P(
    AllStyles, ListColorsPresetTest,
    ::testing::Values(TPresetCase{TDSGStyle::dsStandard, "#c5d6e4", "#cfe3f4", "#7b8b91", "#4f5b60", "#f0f0f0"},
                      TPresetCase{TDSGStyle::dsWindows7, "#dddddd", "#d5e8fd", "#7b8b91", "#7ea2ce", "#ecf5fc"},
                      TPresetCase{TDSGStyle::dsFlat, "#ccdaea", "#9bcbff", "#7b8b91", "#7ea2ce", "#ecf5fc"},
                      TPresetCase{TDSGStyle::dsWindows10, "#e1e1e1", "#cce6f7", "#d4d4d4", "#adaeb0", "#ecf5fc"}));

TEST(ListColorsTest, SingleColourIsStoredAndAnnounced)
{
    TListColors colors;
    colors.SetStyle(TDSGStyle::dsFlat);
    QSignalSpy changed(&colors, &TListColors::Changed);
    colors.SetLineFocused(QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(colors.LineFocused().name(), "#123456");
    EXPECT_EQ(colors.LineColor().name(), "#7b8b91");
    EXPECT_EQ(colors.Style(), TDSGStyle::dsFlat);
}

// A list box of seven rows in a window beside an edit field, so that the
// focus can be moved in and out.
class ListBoxFixture : public ::testing::Test
{
protected:
    ListBoxFixture()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(list);
        layout->addWidget(edit);
        for (int i = 0; i < 7; ++i)
            list->addItem(QStringLiteral("Zeile %1").arg(i));
        list->setFixedSize(180, 7 * TVekDsgListBox::RowHeight + 2 + 30);
        ShowActive(window);
        edit->setFocus();
    }

    QRect RowRect(int row) const
    {
        return list->visualItemRect(list->item(row)).translated(list->viewport()->pos());
    }

    // A column right of every row's text and left of the frame.
    int Column() const { return list->width() - 6; }

    void Focus(bool on)
    {
        if (on)
            list->setFocus();
        else
            edit->setFocus();
        ASSERT_EQ(list->Focused(), on);
    }

    QWidget window;
    TVekDsgListBox *list = new TVekDsgListBox;
    QLineEdit *edit = new QLineEdit;
};

TEST_F(ListBoxFixture, RowsAreTwentyPixelsHighWhateverTheFont)
{
    list->setFont(QFont(QStringLiteral("Arial"), 24));
    for (int row : {0, 3, 6})
        EXPECT_EQ(list->visualItemRect(list->item(row)).height(), TVekDsgListBox::RowHeight) << "row " << row;
}

struct TBackgroundCase
{
    const char *Name;
    int Row;
    bool Selected;
    bool Focused;
    bool DrawMods;
    TRole Top;
    TRole Bottom;
};

class ListBoxBackgroundTest : public ListBoxFixture, public ::testing::WithParamInterface<TBackgroundCase>
{
};

TEST_P(ListBoxBackgroundTest, RowGradientRunsBetweenTheStateColours)
{
    const TBackgroundCase &c = GetParam();
    // Distinct colours for every end, so that a mixed-up role shows.
    const QRgb distinct[] = {0x102030, 0x203040, 0x304050, 0x405060, 0x506070,
                             0x607080, 0x708090, 0x8090A0, 0x90A0B0, 0xA0B0C0};
    for (int role = 0; role < TListColors::ColorRoleCount; ++role)
        list->ListColors().SetColor(TRole(role), QColor(distinct[role]));
    list->SetShowLines(false);
    list->SetDrawMods(c.DrawMods);
    if (c.Selected)
        list->setCurrentRow(c.Row);
    Focus(c.Focused);

    const QImage image = Snapshot(*list);
    const QRect row = RowRect(c.Row);
    EXPECT_EQ(PixelAt(image, Column(), row.top()), Hex(distinct[c.Top]));
    EXPECT_EQ(PixelAt(image, Column(), row.bottom()), Hex(distinct[c.Bottom]));
}

INSTANTIATE_TEST_SUITE_P(
    States, ListBoxBackgroundTest,
    ::testing::Values(
        TBackgroundCase{"EvenRow", 2, false, false, true, TListColors::BarColor1Role, TListColors::BarColor2Role},
        TBackgroundCase{"OddRowMods", 3, false, false, true, TListColors::ModsColor1Role, TListColors::ModsColor2Role},
        TBackgroundCase{"OddRowNoMods", 3, false, false, false, TListColors::BarColor1Role, TListColors::BarColor2Role},
        TBackgroundCase{"SelectedUnfocused", 3, true, false, true, TListColors::BarSelected1Role,
                        TListColors::BarSelected2Role},
        TBackgroundCase{"SelectedFocused", 3, true, true, true, TListColors::BarFocused1Role,
                        TListColors::BarFocused2Role}),
    [](const auto &info) { return std::string(info.param.Name); });

struct TLineCase
{
    const char *Name;
    bool Focused;
    const char *AroundSelected;
    const char *Elsewhere;
};

class ListBoxLineTest : public ListBoxFixture, public ::testing::WithParamInterface<TLineCase>
{
};

TEST_P(ListBoxLineTest, LinesFrameTheSelectedRowInTheFocusedColour)
{
    const TLineCase &c = GetParam();
    list->setCurrentRow(3);
    Focus(c.Focused);
    const QImage image = Snapshot(*list);
    const int x = Column();
    EXPECT_EQ(PixelAt(image, x, RowRect(3).top() - 1), c.AroundSelected);
    EXPECT_EQ(PixelAt(image, x, RowRect(3).bottom()), c.AroundSelected);
    EXPECT_EQ(PixelAt(image, x, RowRect(0).bottom()), c.Elsewhere);
    EXPECT_EQ(PixelAt(image, x, RowRect(5).bottom()), c.Elsewhere);
    // Between the lines the row's own gradient shows.
    EXPECT_NE(PixelAt(image, x, RowRect(3).top()), c.AroundSelected);
}

INSTANTIATE_TEST_SUITE_P(Focus, ListBoxLineTest,
                         ::testing::Values(TLineCase{"Focused", true, "#4f5b60", "#7b8b91"},
                                           TLineCase{"Unfocused", false, "#7b8b91", "#7b8b91"}),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST_F(ListBoxFixture, NoLinesWhenShowLinesIsOff)
{
    list->SetShowLines(false);
    const QImage image = Snapshot(*list);
    EXPECT_EQ(PixelAt(image, Column(), RowRect(0).bottom()), "#ffffff");
    EXPECT_EQ(PixelAt(image, Column(), RowRect(1).bottom()), "#f0f0f0");
}

TEST_F(ListBoxFixture, BorderColourFramesTheOutermostPixels)
{
    for (const QColor &border : {QColor(0x9F, 0xAE, 0xC2), QColor(0x66, 0x8E, 0x74)}) {
        if (border != list->BorderColor())
            list->SetBorderColor(border);
        const QImage image = Snapshot(*list);
        const int w = image.width();
        const int h = image.height();
        for (const QPoint &p : {QPoint(0, 0), QPoint(w / 2, 0), QPoint(w - 1, h / 2), QPoint(w / 2, h - 1),
                                QPoint(0, h - 1), QPoint(0, h / 2)})
            EXPECT_EQ(PixelAt(image, p.x(), p.y()), border.name()) << p.x() << "," << p.y();
        // The first row starts inside the frame.
        EXPECT_EQ(PixelAt(image, 1, 1), "#ffffff");
    }
}

TEST_F(ListBoxFixture, OwnerDrawingReplacesTheRows)
{
    struct TCall
    {
        int Index;
        bool Selected;
        int Height;
    };
    std::vector<TCall> calls;
    list->SetDrawItem([&](QPainter &painter, const QRect &rect, int index, bool selected) {
        calls.push_back({index, selected, rect.height()});
        painter.fillRect(rect, selected ? QColor(0x00, 0x80, 0x00) : QColor(0x80, 0x00, 0x00));
    });
    list->setCurrentRow(4);
    const QImage image = Snapshot(*list);

    ASSERT_EQ(calls.size(), 7u);
    for (const TCall &call : calls) {
        EXPECT_EQ(call.Selected, call.Index == 4) << "row " << call.Index;
        EXPECT_EQ(call.Height, TVekDsgListBox::RowHeight);
    }
    EXPECT_EQ(PixelAt(image, 10, RowRect(4).center().y()), "#008000");
    EXPECT_EQ(PixelAt(image, 10, RowRect(5).bottom()), "#800000");

    // An empty function brings the default rows back.
    list->SetDrawItem({});
    EXPECT_EQ(PixelAt(Snapshot(*list), Column(), RowRect(0).top()), "#ffffff");
}

TEST_F(ListBoxFixture, DoubleClickIsReported)
{
    QSignalSpy dblClick(list, &TVekDsgListBox::DblClick);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(dblClick.count(), 1);
}

TEST_F(ListBoxFixture, ListStyleLoadsTheColours)
{
    list->SetListStyle(TDSGStyle::dsWindows10);
    EXPECT_EQ(list->ListColors().Style(), TDSGStyle::dsWindows10);
    const QImage image = Snapshot(*list);
    EXPECT_EQ(PixelAt(image, Column(), RowRect(1).top()), "#ecf5fc");
    EXPECT_EQ(PixelAt(image, Column(), RowRect(2).bottom()), "#d4d4d4");
}

} // namespace
