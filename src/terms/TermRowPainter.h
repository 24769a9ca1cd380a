#pragma once

#include "terms/TermState.h"

#include <QImage>

#include <array>
#include <functional>

class QPainter;
class QRect;
class QTreeWidgetItem;
class TTesselListView;

// Draws the rows of the payment-term list: green when settled, red when
// due, neutral otherwise, with a check mark or an exclamation mark at the
// right.
class TTermRowPainter
{
public:
    using TStateOfRow = std::function<TTermState(int row)>;

    TTermRowPainter(TTesselListView &list, TStateOfRow stateOfRow);

    void Paint(QPainter &painter, QTreeWidgetItem *item, const QRect &rect, bool selected) const;

private:
    TTesselListView &m_list;
    TStateOfRow m_stateOfRow;
    // done-light, done-dark, due-light, due-dark
    std::array<QImage, 4> m_images;
};
