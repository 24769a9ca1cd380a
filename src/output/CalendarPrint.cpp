#include "output/CalendarPrint.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

int WholeRatio(int deviceDpi, int screenDpi)
{
    if (screenDpi <= 0)
        return 1;
    return std::max(1, deviceDpi / screenDpi);
}

void DrawCalendarPicture(QPainter &painter, const QImage &picture, int sx, int sy)
{
    painter.drawImage(QRect(0, 0, picture.width() * sx, picture.height() * sy), picture);
}

void PrintCalendarPicture(QPrinter &printer, const QImage &picture, int screenDpiX, int screenDpiY)
{
    // The painter's origin is the top left of the printable area, in the
    // printer's device pixels; the job ends when the painter does, also
    // when drawing fails.
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const int sx = WholeRatio(printer.logicalDpiX(), screenDpiX);
    const int sy = WholeRatio(printer.logicalDpiY(), screenDpiY);
    DrawCalendarPicture(painter, picture, sx, sy);
    painter.end();
}
