#pragma once

class QImage;
class QPainter;
class QPrinter;

// The whole-number ratio of a device's resolution to the screen's, at least 1.
int WholeRatio(int deviceDpi, int screenDpi);

// Draws the picture from the top-left corner, every pixel sx × sy device pixels.
void DrawCalendarPicture(QPainter &painter, const QImage &picture, int sx, int sy);

// Prints the calendar picture on one page of the printer, at the top left of
// the printable area (the printer leaves full-page mode), enlarged by the
// whole-number ratio of printer to screen resolution; what does not fit is
// cut off.
void PrintCalendarPicture(QPrinter &printer, const QImage &picture, int screenDpiX, int screenDpiY);
