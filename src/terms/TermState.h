#pragma once

#include "storage/AccRecord.h"

#include <QDate>

// How a payment term stands on a given day.
enum class TTermState
{
    Done,    // settled, however old its date
    Due,     // open and its date has come
    Normal,  // open and not yet due, or a date that does not read as one
};

TTermState TermState(const TAccRecord &record, int term, QDate today);
