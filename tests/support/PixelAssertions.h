#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>

// A widget's picture as the pixel tests read it.
inline QImage Grab(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QString Hex(QRgb rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

// Gradients may round the last bit of a channel; a wrong colour is far off.
inline ::testing::AssertionResult HasColour(const QImage &image, QPoint at, QRgb expected)
{
    if (!image.rect().contains(at))
        return ::testing::AssertionFailure() << "(" << at.x() << "," << at.y() << ") outside the picture";
    const QRgb actual = image.pixel(at);
    const bool near = std::abs(qRed(actual) - qRed(expected)) <= 1 && std::abs(qGreen(actual) - qGreen(expected)) <= 1
        && std::abs(qBlue(actual) - qBlue(expected)) <= 1;
    if (near)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << at.x() << "," << at.y() << ") is " << Hex(actual).toStdString()
                                         << ", expected " << Hex(expected).toStdString();
}
