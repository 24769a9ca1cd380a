#pragma once

#include <QTreeWidget>

#include <functional>

class TRowPainterDelegate;
class TTesselListHeader;

// The report list of the main window's payment terms: read-only, whole-row
// selection, grid lines, a painted column header, a row height of its own
// and an optional one-time sort by a column. The owner draws the rows
// through SetDrawItem; without it, Qt's plain item drawing is used.
class TTesselListView : public QTreeWidget
{
    Q_OBJECT

public:
    enum class TSortStyle
    {
        sAlphaNum,
        sNumeric,
        sDateTime,
    };

    // Draws one whole row: rect spans all columns of the row in viewport
    // coordinates; the header tells where each column lies.
    using TDrawItem = std::function<void(QPainter &painter, QTreeWidgetItem *item, const QRect &rect, bool selected)>;

    static constexpr int MinItemHeight = 16;

    explicit TTesselListView(QWidget *parent = nullptr);
    ~TTesselListView() override;

    int ItemHeight() const;
    // Rows become height pixels high, never less than MinItemHeight.
    void SetItemHeight(int height);

    bool HeaderFrame() const;
    void SetHeaderFrame(bool on);

    TSortStyle SortStyle() const { return m_sortStyle; }
    void SetSortStyle(TSortStyle style) { m_sortStyle = style; }

    int ColumnSort() const { return m_columnSort; }
    // Sorts all rows once, ascending, by column c with SortStyle; a column
    // out of range (as the default -1) leaves the rows as they are.
    void SetColumnSort(int column);

    TTesselListHeader *HeaderHandle() const { return m_header; }

    bool GridLines() const { return m_gridLines; }
    void SetGridLines(bool on);

    // An empty function restores the plain drawing.
    void SetDrawItem(TDrawItem drawItem);

protected:
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    void SortBy(int column);

    TTesselListHeader *m_header;
    TRowPainterDelegate *m_delegate;
    TSortStyle m_sortStyle = TSortStyle::sAlphaNum;
    int m_columnSort = -1;
    bool m_gridLines = true;
    TDrawItem m_drawItem;
};
