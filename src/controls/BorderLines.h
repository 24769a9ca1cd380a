#pragma once

#include <QColor>
#include <QSize>

class QPainter;

// The optional one-pixel border lines of the gradient panels and labels,
// each across the full length of its edge.
struct TBorderLines
{
    bool Left = false;
    bool Right = false;
    bool Top = false;
    bool Bottom = false;

    void Draw(QPainter &painter, const QSize &size, const QColor &color) const;
};
