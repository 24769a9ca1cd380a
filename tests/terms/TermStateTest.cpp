#include "terms/TermState.h"

#include <gtest/gtest.h>

namespace {

struct StateCase
{
    const char *Due;
    int Done;
    TTermState Expected;
    const char *Why;
};

TEST(TermState, FollowsDoneFlagAndDueDate)
{
    const QDate today(2026, 12, 11);
    const StateCase cases[] = {
        {"11.12.2026", 0, TTermState::Due, "due today"},
        {"01.01.2020", 0, TTermState::Due, "overdue"},
        {"12.12.2026", 0, TTermState::Normal, "due tomorrow"},
        {"01.01.2020", 1, TTermState::Done, "settled long ago"},
        {"31.12.2030", 1, TTermState::Done, "settled in advance"},
        {"01.01.2020", 7, TTermState::Done, "any flag but 0 counts as done"},
        {"32.13.2026", 0, TTermState::Normal, "not a date"},
        {"11.12.26", 0, TTermState::Normal, "short year"},
    };
    for (const StateCase &c : cases) {
        TAccRecord record = EmptyAccRecord();
        record.TermPayable[0].SetText(QString::fromLatin1(c.Due));
        record.TermDone[0] = static_cast<std::uint8_t>(c.Done);
        EXPECT_EQ(TermState(record, 0, today), c.Expected) << c.Why;
    }
}

} // namespace
