#pragma once

#include <QRect>
#include <QString>

class QPainter;

// The row look of the program's lists (invoice files, invoices, own
// accounts): white rows, the selected one in a green gradient (grey when the
// list has no focus), thin lines between the rows.
struct TStandardListRow
{
    QString Text;
    bool Selected = false;
    bool ListHasFocus = false;
    bool FirstRow = false;
    // Split the text at its first "#": name in bold, then the rest one text
    // height lower.
    bool TwoLines = false;
};

void DrawStandardListRow(QPainter &painter, const QRect &rect, const TStandardListRow &row);
