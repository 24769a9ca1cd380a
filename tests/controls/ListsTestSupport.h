#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include <ostream>

// Small helpers of the list, button, scroll box and link label tests.

// "#rrggbb" of a pixel, so that a failing comparison reads as colours.
inline QString Hex(QRgb pixel)
{
    return QColor(pixel).name();
}

inline QString PixelAt(const QImage &image, int x, int y)
{
    return Hex(image.pixel(x, y));
}

// The widget as painted, one image pixel per widget pixel.
inline QImage Snapshot(QWidget &widget)
{
    QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    return image;
}

// Shows the window and makes it the active one, so that focus lands.
inline void ShowActive(QWidget &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QCoreApplication::processEvents();
}

namespace {

// Parameterised cases print as their name in failure messages. In the
// unnamed namespace, where the tests keep their case structs, so that
// argument-dependent lookup finds it.
template <typename TCase>
    requires requires(const TCase &c) { c.Name; }
void PrintTo(const TCase &c, std::ostream *out)
{
    *out << c.Name;
}

} // namespace
