#include "storage/AccRecord.h"

#include <cstddef>

static_assert(offsetof(TAccRecord, AccName) == 4);
static_assert(offsetof(TAccRecord, AccLegend) == 65);
static_assert(offsetof(TAccRecord, TermPayable) == 166);
static_assert(offsetof(TAccRecord, TermAmount) == 342);
static_assert(offsetof(TAccRecord, TermDescript) == 518);
static_assert(offsetof(TAccRecord, TermRemark) == 1494);
static_assert(offsetof(TAccRecord, TermDone) == 1990);
static_assert(offsetof(TAccRecord, BankHolder) == 2006);
static_assert(offsetof(TAccRecord, BankCode) == 2228);
static_assert(offsetof(TAccRecord, BankUse1) == 2352);
static_assert(offsetof(TAccRecord, ContactName) == 2474);
static_assert(offsetof(TAccRecord, ContactEMail) == 2940);
static_assert(offsetof(TAccRecord, AccNote) == 3102);

int TAccRecord::TermCount() const
{
    int n = 0;
    while (n < MaxTerms && IsTermUsed(n))
        ++n;
    return n;
}

TAccRecord EmptyAccRecord()
{
    TAccRecord record;
    record.AccId.SetBytes("000");
    return record;
}

void MaskAccRecord(TAccRecord &record)
{
    record.ForEachText([](auto &field) { field.Mask(); });
}
