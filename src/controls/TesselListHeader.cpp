#include "controls/TesselListHeader.h"

#include "controls/Painting.h"

#include <QPainter>

namespace {

const QColor GradientTop(0xDB, 0xEA, 0xE2);
const QColor GradientBottom(0xB6, 0xD1, 0xC0);
const QColor LineColor(0x7E, 0xA3, 0x8B);

} // namespace

TTesselListHeader::TTesselListHeader(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHighlightSections(false);
}

void TTesselListHeader::SetFrame(bool on)
{
    m_frame = on;
    viewport()->update();
}

QSize TTesselListHeader::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    // The caption's inset of 3 pixels above and below, and a pixel for each
    // line, around one line of text.
    size.setHeight(fontMetrics().height() + 8);
    return size;
}

void TTesselListHeader::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const int height = viewport()->height();
    FillVerticalGradient(painter, viewport()->rect(), GradientTop, GradientBottom);

    // The columns in the order the user sees them; x starts at the left
    // edge of the first column, wherever the list is scrolled to.
    int last = -1;
    for (int v = count() - 1; v >= 0 && last < 0; --v) {
        if (!isSectionHidden(logicalIndex(v)))
            last = logicalIndex(v);
    }

    painter.setFont(font());
    int x = -offset();
    bool first = true;
    for (int v = 0; v < count(); ++v) {
        const int logical = logicalIndex(v);
        if (isSectionHidden(logical))
            continue;
        const int width = sectionSize(logical);
        const QRect cell(x, 0, width, height);
        FillVerticalGradient(painter, cell, GradientTop, GradientBottom);

        painter.setPen(LineColor);
        if (m_frame)
            painter.drawLine(cell.left(), cell.top(), cell.right(), cell.top());
        painter.drawLine(cell.left(), cell.bottom(), cell.right(), cell.bottom());
        if (m_frame || !first)
            painter.drawLine(cell.left(), cell.top(), cell.left(), cell.bottom());
        if (logical == last)
            painter.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());

        const QVariant alignData = model() ? model()->headerData(logical, orientation(), Qt::TextAlignmentRole) : QVariant();
        const Qt::Alignment horizontal =
            (alignData.isValid() ? Qt::Alignment(alignData.toInt()) : defaultAlignment()) & Qt::AlignHorizontal_Mask;
        const QString caption = model() ? model()->headerData(logical, orientation(), Qt::DisplayRole).toString() : QString();
        painter.setPen(Qt::black);
        // No mnemonic flag: "&" is shown as it is.
        painter.drawText(cell.adjusted(5, 3, -5, -3), int(horizontal | Qt::AlignVCenter) | Qt::TextSingleLine, caption);

        x += width;
        first = false;
    }
}
