#include "output/CalendarPrint.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRect>

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
    // Not full-page: the painter's origin is then the top left of the
    // printable area, and its units are the printer's device pixels. In
    // full-page mode the picture's corner would fall into the margin that a
    // real printer cannot reach.
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const int sx = WholeRatio(printer.logicalDpiX(), screenDpiX);
    const int sy = WholeRatio(printer.logicalDpiY(), screenDpiY);
    DrawCalendarPicture(painter, picture, sx, sy);
    // Ending the painter ends the job; the destructor does so too when
    // drawing throws.
    painter.end();
}
