#include "controls/BorderLines.h"

#include <QPainter>
#include <QPen>

void TBorderLines::Draw(QPainter &painter, const QSize &size, const QColor &color) const
{
    if (!Left && !Right && !Top && !Bottom)
        return;
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(color, 1, Qt::SolidLine, Qt::SquareCap));
    if (Left)
        painter.drawLine(0, 0, 0, bottom);
    if (Right)
        painter.drawLine(right, 0, right, bottom);
    if (Top)
        painter.drawLine(0, 0, right, 0);
    if (Bottom)
        painter.drawLine(0, bottom, right, bottom);
    painter.restore();
}
