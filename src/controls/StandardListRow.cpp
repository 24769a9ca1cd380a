#include "controls/StandardListRow.h"

#include "controls/Painting.h"

#include <QFontMetrics>
#include <QPainter>

void DrawStandardListRow(QPainter &painter, const QRect &rect, const TStandardListRow &row)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);

    QColor textColor(0x46, 0x51, 0x5E);
    QColor lineColor(0xCD, 0xD5, 0xDC);
    if (row.Selected) {
        if (row.ListHasFocus)
            FillVerticalGradient(painter, rect, QColor(0xDB, 0xEA, 0xE2), QColor(0xC2, 0xDA, 0xCB));
        else
            FillVerticalGradient(painter, rect, QColor(0xE2, 0xE7, 0xEB), QColor(0xD5, 0xDB, 0xE1));
        textColor = Qt::black;
        lineColor = QColor(0xA2, 0xAF, 0xBF);
    } else {
        painter.fillRect(rect, Qt::white);
    }

    painter.setPen(textColor);
    const QFontMetrics metrics(painter.font());
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    const QRect textRect = rect.adjusted(4, 2, -2, 0);
    if (row.TwoLines) {
        const qsizetype split = row.Text.indexOf(u'#');
        const QString name = split < 0 ? row.Text : row.Text.left(split);
        const QString legend = split < 0 ? QString() : row.Text.mid(split + 1);
        QFont bold = painter.font();
        bold.setBold(true);
        // One line of the list font lower.
        const int lineHeight = metrics.height();
        painter.save();
        painter.setFont(bold);
        painter.drawText(textRect, flags, name);
        painter.restore();
        painter.drawText(textRect.adjusted(0, lineHeight, 0, 0), flags, legend);
    } else {
        painter.drawText(textRect, flags, row.Text);
    }

    painter.setPen(lineColor);
    if (!row.FirstRow)
        painter.drawLine(rect.left(), rect.top() - 1, rect.right(), rect.top() - 1);
    painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    painter.restore();
}
