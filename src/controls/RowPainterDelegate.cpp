#include "controls/RowPainterDelegate.h"

#include <QPainter>

TRowPainterDelegate::TRowPainterDelegate(int rowHeight, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_rowHeight(rowHeight)
{
}

void TRowPainterDelegate::SetRowHeight(int height)
{
    if (height == m_rowHeight)
        return;
    m_rowHeight = height;
    // Views lay their rows out again on this signal.
    emit sizeHintChanged(QModelIndex());
}

void TRowPainterDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!m_paint) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->save();
    m_paint(*painter, option, index);
    painter->restore();
}

QSize TRowPainterDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(m_rowHeight);
    return size;
}
