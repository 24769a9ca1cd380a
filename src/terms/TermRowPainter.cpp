#include "terms/TermRowPainter.h"

#include "controls/Painting.h"
#include "controls/TesselListView.h"

#include <QHeaderView>
#include <QIcon>
#include <QPainter>
#include <QTreeWidgetItem>

namespace {

struct TRowLook
{
    QColor SelectedTop;
    QColor SelectedBottom;
    QColor Unselected;
};

TRowLook LookOf(TTermState state)
{
    switch (state) {
    case TTermState::Done:
        return {QColor(0x20, 0x84, 0x59), QColor(0x1B, 0x72, 0x4D), QColor(0xB0, 0xE3, 0xC6)};
    case TTermState::Due:
        return {QColor(0xB5, 0x28, 0x2C), QColor(0x99, 0x22, 0x25), QColor(0xF7, 0xC8, 0xC9)};
    case TTermState::Normal:
        break;
    }
    return {QColor(0x72, 0x6D, 0x4E), QColor(0x65, 0x61, 0x45), QColor(0xE2, 0xDF, 0xCD)};
}

QImage StateImage(const char *name)
{
    return QIcon(QStringLiteral(":/icons/state/%1.svg").arg(QLatin1String(name))).pixmap(12, 12).toImage();
}

} // namespace

TTermRowPainter::TTermRowPainter(TTesselListView &list, TStateOfRow stateOfRow)
    : m_list(list),
      m_stateOfRow(std::move(stateOfRow)),
      m_images{StateImage("done-light"), StateImage("done-dark"), StateImage("due-light"), StateImage("due-dark")}
{
}

void TTermRowPainter::Paint(QPainter &painter, QTreeWidgetItem *item, const QRect &rect, bool selected) const
{
    const int row = m_list.indexOfTopLevelItem(item);
    const TTermState state = m_stateOfRow(row);
    const TRowLook look = LookOf(state);

    painter.save();
    if (selected)
        FillVerticalGradient(painter, rect, look.SelectedTop, look.SelectedBottom);
    else
        painter.fillRect(rect, look.Unselected);

    const QImage *image = nullptr;
    if (state == TTermState::Done)
        image = &m_images[selected ? 0 : 1];
    else if (state == TTermState::Due)
        image = &m_images[selected ? 2 : 3];
    if (image != nullptr && !image->isNull())
        painter.drawImage(QPoint(rect.right() + 1 - 15, rect.top() + 1), WithTopLeftTransparent(*image));

    painter.setPen(selected ? Qt::white : Qt::black);
    const QHeaderView *header = m_list.header();
    const int columns = m_list.columnCount();
    for (int c = 0; c + 1 < columns; ++c) {
        const int left = header->sectionViewportPosition(c);
        const int width = header->sectionSize(c);
        const QRect box(QPoint(left + 5, rect.top() + 1), QPoint(left + width - 1 - 10, rect.bottom()));
        const auto align = static_cast<Qt::Alignment>(item->textAlignment(c)) & Qt::AlignHorizontal_Mask;
        painter.drawText(box, (align ? align : Qt::AlignLeft) | Qt::AlignTop | Qt::TextSingleLine, item->text(c));
    }
    painter.restore();
}
