#pragma once

#include <QString>

// One payment term as the term dialog shows and returns it.
struct TTermValues
{
    QString Payable;   // "dd.mm.yyyy"
    QString Amount;    // as typed, without the " €" suffix
    QString Descript;  // remark
    QString Remark;    // completion note
    bool Done = false;

    bool operator==(const TTermValues &) const = default;
};
