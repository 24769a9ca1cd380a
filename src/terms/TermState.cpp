#include "terms/TermState.h"

#include "calendar/DateUtils.h"

TTermState TermState(const TAccRecord &record, int term, QDate today)
{
    if (record.IsTermDone(term))
        return TTermState::Done;
    const QDate due = ParseDateText(record.TermPayable[static_cast<std::size_t>(term)].Text());
    if (due.isValid() && today >= due)
        return TTermState::Due;
    return TTermState::Normal;
}
