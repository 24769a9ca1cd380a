#include "controls/Painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

void FillVerticalGradient(QPainter &painter, const QRect &rect, const QColor &top, const QColor &bottom)
{
    if (rect.isEmpty())
        return;
    // From the centre of the first row to the centre of the last, so that
    // both end rows carry the end colours exactly.
    QLinearGradient gradient(0, rect.top() + 0.5, 0, rect.bottom() + 0.5);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
}

void FillHorizontalGradient(QPainter &painter, const QRect &rect, const QColor &left, const QColor &right)
{
    if (rect.isEmpty())
        return;
    QLinearGradient gradient(rect.left() + 0.5, 0, rect.right() + 0.5, 0);
    gradient.setColorAt(0, left);
    gradient.setColorAt(1, right);
    painter.fillRect(rect, gradient);
}

QImage GreyImage(const QImage &image)
{
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb p = line[x];
            const int v = (77 * qRed(p) + 151 * qGreen(p) + 28 * qBlue(p)) / 256;
            line[x] = qRgba(v, v, v, qAlpha(p));
        }
    }
    return grey;
}

QImage WithTopLeftTransparent(const QImage &image)
{
    if (image.isNull())
        return image;
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = out.pixel(0, 0);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return out;
}

void DrawRoundFrame(QPainter &painter, const QRect &rect, int radius, const QColor &color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(color, 1));
    painter.setBrush(Qt::NoBrush);
    // A cosmetic pen on a rectangle of width-1 covers exactly the outer pixels.
    painter.drawRoundedRect(QRectF(rect).adjusted(0, 0, -1, -1), radius, radius);
    painter.restore();
}
