#pragma once

#include <QStyledItemDelegate>

#include <functional>

// An item delegate for the painted lists: every row has one fixed height,
// and the painting is handed to a function when one is set (Qt's own item
// drawing otherwise).
class TRowPainterDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using TPaint = std::function<void(QPainter &painter, const QStyleOptionViewItem &option, const QModelIndex &index)>;

    explicit TRowPainterDelegate(int rowHeight, QObject *parent = nullptr);

    int RowHeight() const { return m_rowHeight; }
    void SetRowHeight(int height);

    void SetPaint(TPaint paint) { m_paint = std::move(paint); }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_rowHeight;
    TPaint m_paint;
};
