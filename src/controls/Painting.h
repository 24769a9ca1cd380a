#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;
class QPixmap;

// Small drawing steps shared by every painted control and page.

// A vertical gradient over rect: the top pixel row in top, the bottom pixel
// row in bottom.
void FillVerticalGradient(QPainter &painter, const QRect &rect, const QColor &top, const QColor &bottom);

// A horizontal gradient over rect: the left pixel column in left, the right
// one in right.
void FillHorizontalGradient(QPainter &painter, const QRect &rect, const QColor &left, const QColor &right);

// The grey form of a picture for disabled controls: each pixel's red, green
// and blue become (77 r + 151 g + 28 b) / 256.
QImage GreyImage(const QImage &image);

// The picture with every pixel of its top-left pixel's colour made
// transparent, as the controls' pictures are drawn.
QImage WithTopLeftTransparent(const QImage &image);

// A one-pixel outline with rounded corners exactly along rect's outer pixels.
void DrawRoundFrame(QPainter &painter, const QRect &rect, int radius, const QColor &color);
