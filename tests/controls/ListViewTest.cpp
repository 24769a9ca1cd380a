#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include "ListsTestSupport.h"
#include "controls/TesselListHeader.h"
#include "controls/TesselListView.h"

#include <QPainter>

#include <vector>

namespace {

const QString Line = QStringLiteral("#7ea38b");
const QString GradientTop = QStringLiteral("#dbeae2");

// A report list of three columns of 60, 80 and 70 pixels in a wider list,
// so that the header runs on beyond the last column.
class ListViewFixture : public ::testing::Test
{
protected:
    ListViewFixture()
    {
        view.setColumnCount(3);
        view.setHeaderLabels({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        for (int c = 0; c < 3; ++c)
            view.setColumnWidth(c, Widths[c]);
        view.resize(300, 150);
        view.show();
    }

    void AddRows(const std::vector<QStringList> &rows)
    {
        for (const QStringList &r : rows)
            new QTreeWidgetItem(&view, r);
    }

    QStringList Column(int column) const
    {
        QStringList texts;
        for (int i = 0; i < view.topLevelItemCount(); ++i)
            texts << view.topLevelItem(i)->text(column);
        return texts;
    }

    static constexpr int Widths[3] = {60, 80, 70};
    TTesselListView view;
};

struct THeaderCase
{
    const char *Name;
    bool Frame;
    bool TopLine;
    bool FirstLeftLine;
};

class ListViewHeaderTest : public ListViewFixture, public ::testing::WithParamInterface<THeaderCase>
{
};

TEST_P(ListViewHeaderTest, LinesFollowHeaderFrame)
{
    const THeaderCase &c = GetParam();
    view.SetHeaderFrame(c.Frame);
    const QImage image = Snapshot(*view.HeaderHandle());
    const int h = image.height();
    const int mid = h / 2;
    const int end = Widths[0] + Widths[1] + Widths[2];
    // Away from the captions: the right half of each cell.
    const int inCell = Widths[0] + Widths[1] - 10;

    EXPECT_EQ(PixelAt(image, inCell, 0), c.TopLine ? Line : GradientTop);
    if (c.FirstLeftLine)
        EXPECT_EQ(PixelAt(image, 0, mid), Line);
    else
        EXPECT_NE(PixelAt(image, 0, mid), Line);
    EXPECT_EQ(PixelAt(image, Widths[0], mid), Line) << "left edge of the second column";
    EXPECT_EQ(PixelAt(image, inCell, h - 1), Line) << "bottom row";
    EXPECT_EQ(PixelAt(image, end - 1, mid), Line) << "right edge of the last column";
    // Beyond the columns only the gradient.
    EXPECT_EQ(PixelAt(image, end + 10, 0), GradientTop);
    EXPECT_NE(PixelAt(image, end + 10, h - 1), Line);
}

INSTANTIATE_TEST_SUITE_P(Frame, ListViewHeaderTest,
                         ::testing::Values(THeaderCase{"On", true, true, true}, THeaderCase{"Off", false, false, false}),
                         [](const auto &info) { return std::string(info.param.Name); });

struct THeightCase
{
    int Asked;
    int Rows;
};

class ListViewHeightTest : public ListViewFixture, public ::testing::WithParamInterface<THeightCase>
{
};

TEST_P(ListViewHeightTest, RowsAreNeverLowerThanSixteen)
{
    AddRows({{"1", "a"}, {"2", "b"}});
    view.SetItemHeight(GetParam().Asked);
    EXPECT_EQ(view.ItemHeight(), GetParam().Rows);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(view.visualItemRect(view.topLevelItem(i)).height(), GetParam().Rows);
}

INSTANTIATE_TEST_SUITE_P(Heights, ListViewHeightTest,
                         ::testing::Values(THeightCase{10, 16}, THeightCase{16, 16}, THeightCase{18, 18},
                                           THeightCase{30, 30}));

struct TSortCase
{
    const char *Name;
    TTesselListView::TSortStyle Style;
    QStringList Values;
    QStringList Sorted;
};

class ListViewSortTest : public ListViewFixture, public ::testing::WithParamInterface<TSortCase>
{
};

// The values stand in column 1 beside their row number, so that whole
// rows must move with the sorted sub-item.
TEST_P(ListViewSortTest, SortsRowsOnceByTheColumn)
{
    const TSortCase &c = GetParam();
    for (int i = 0; i < c.Values.size(); ++i)
        new QTreeWidgetItem(&view, {QString::number(i), c.Values[i]});
    view.SetSortStyle(c.Style);
    view.SetColumnSort(1);
    EXPECT_EQ(view.ColumnSort(), 1);
    EXPECT_EQ(Column(1), c.Sorted);
    for (int i = 0; i < view.topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = view.topLevelItem(i);
        EXPECT_EQ(c.Values[item->text(0).toInt()], item->text(1));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Styles, ListViewSortTest,
    ::testing::Values(
        // German collation, lower case before upper case, umlaut after its
        // base letter; the code points would order "Apfel" "Birne" "Zebra"
        // "apfel" "äpfel".
        TSortCase{"AlphaNum", TTesselListView::TSortStyle::sAlphaNum,
                  {"Zebra", "äpfel", "Apfel", "Birne", "apfel"},
                  {"apfel", "Apfel", "äpfel", "Birne", "Zebra"}},
        // Texts that are no whole number come first, in their old order.
        TSortCase{"Numeric", TTesselListView::TSortStyle::sNumeric,
                  {"10", "9", "-3", "abc", "100", "", "2", "1,5"},
                  {"abc", "", "1,5", "-3", "2", "9", "10", "100"}},
        // A text that is no date counts as 0, before every real date.
        TSortCase{"DateTime", TTesselListView::TSortStyle::sDateTime,
                  {"01.02.2024", "15.01.2024 12:00", "15.01.2024 08:30:15", "kein Datum", "31.12.2023",
                   "15.01.2024", "2.1.2024"},
                  {"kein Datum", "31.12.2023", "2.1.2024", "15.01.2024", "15.01.2024 08:30:15", "15.01.2024 12:00",
                   "01.02.2024"}}),
    [](const auto &info) { return std::string(info.param.Name); });

TEST_F(ListViewFixture, ColumnOutOfRangeLeavesTheRows)
{
    AddRows({{"c", "3"}, {"a", "1"}, {"b", "2"}});
    for (int column : {-1, 3, 7}) {
        view.SetColumnSort(column);
        EXPECT_EQ(Column(0), QStringList({"c", "a", "b"})) << "column " << column;
    }
}

TEST_F(ListViewFixture, SortKeepsTheSelectedRow)
{
    AddRows({{"c"}, {"a"}, {"b"}});
    view.setCurrentItem(view.topLevelItem(0));
    view.SetColumnSort(0);
    ASSERT_EQ(Column(0), QStringList({"a", "b", "c"}));
    EXPECT_EQ(view.currentItem()->text(0), "c");
    EXPECT_TRUE(view.topLevelItem(2)->isSelected());
    EXPECT_FALSE(view.topLevelItem(0)->isSelected());
}

TEST_F(ListViewFixture, OwnerDrawsWholeRows)
{
    AddRows({{"1", "a", "x"}, {"2", "b", "y"}, {"3", "c", "z"}});
    view.SetItemHeight(18);
    view.setCurrentItem(view.topLevelItem(1));
    struct TCall
    {
        QString Text;
        QRect Rect;
        bool Selected;
    };
    std::vector<TCall> calls;
    view.SetDrawItem([&](QPainter &painter, QTreeWidgetItem *item, const QRect &rect, bool selected) {
        calls.push_back({item->text(0), rect, selected});
        painter.fillRect(rect, selected ? QColor(0x00, 0x80, 0x00) : QColor(0x80, 0x00, 0x00));
    });
    view.SetGridLines(false);
    const QImage image = Snapshot(*view.viewport());

    ASSERT_EQ(calls.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(calls[i].Text, QString::number(i + 1));
        EXPECT_EQ(calls[i].Selected, i == 1);
        EXPECT_EQ(calls[i].Rect, QRect(0, 18 * i, 210, 18));
    }
    EXPECT_EQ(PixelAt(image, 205, 18 + 9), "#008000");
    EXPECT_EQ(PixelAt(image, 5, 2 * 18 + 17), "#800000");
    EXPECT_EQ(PixelAt(image, 250, 9), "#ffffff");
}

} // namespace
