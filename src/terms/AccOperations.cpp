#include "terms/AccOperations.h"

#include <utility>

namespace {

std::size_t Index(int i)
{
    return static_cast<std::size_t>(i);
}

void ClearTerm(TAccRecord &record, int term)
{
    const std::size_t t = Index(term);
    record.TermPayable[t].Clear();
    record.TermAmount[t].Clear();
    record.TermDescript[t].Clear();
    record.TermRemark[t].Clear();
    record.TermDone[t] = 0;
}

void CopyTerm(TAccRecord &record, int to, int from)
{
    const std::size_t t = Index(to);
    const std::size_t f = Index(from);
    record.TermPayable[t] = record.TermPayable[f];
    record.TermAmount[t] = record.TermAmount[f];
    record.TermDescript[t] = record.TermDescript[f];
    record.TermRemark[t] = record.TermRemark[f];
    record.TermDone[t] = record.TermDone[f];
}

} // namespace

int UsedAccCount(const TAccTable &table)
{
    int n = 0;
    while (n < MaxAccSlots && table[Index(n)].IsUsed())
        ++n;
    return n;
}

QString AccListEntry(const TAccRecord &record)
{
    return record.AccName.Text() + u'#' + record.AccLegend.Text();
}

bool HasAccName(const TAccTable &table, const QString &name)
{
    for (const TAccRecord &record : table) {
        if (record.IsUsed() && QString::compare(record.AccName.Text(), name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

int AddAccRecord(TAccTable &table, const QString &name, const QString &legend)
{
    const int slot = UsedAccCount(table);
    TAccRecord record = EmptyAccRecord();
    record.AccId.SetText(NewAccId(table));
    record.AccName.SetText(name);
    record.AccLegend.SetText(legend);
    table[Index(slot)] = record;
    return slot;
}

void DeleteAccRecord(TAccTable &table, int slot)
{
    for (int i = slot; i + 1 < MaxAccSlots; ++i)
        table[Index(i)] = table[Index(i + 1)];
    table[MaxAccSlots - 1] = EmptyAccRecord();
}

void SwapAccRecords(TAccTable &table, int a, int b)
{
    std::swap(table[Index(a)], table[Index(b)]);
}

TTermValues TermValuesOf(const TAccRecord &record, int term)
{
    const std::size_t t = Index(term);
    QString amount = record.TermAmount[t].Text();
    if (amount.endsWith(QStringLiteral(" €")))
        amount.chop(2);
    return {record.TermPayable[t].Text(), amount, record.TermDescript[t].Text(), record.TermRemark[t].Text(),
            record.TermDone[t] != 0};
}

void SetTerm(TAccRecord &record, int term, const TTermValues &values)
{
    const std::size_t t = Index(term);
    record.TermPayable[t].SetText(values.Payable);
    record.TermAmount[t].SetText(values.Amount + QStringLiteral(" €"));
    record.TermDescript[t].SetText(values.Descript);
    record.TermRemark[t].SetText(values.Remark);
    record.TermDone[t] = values.Done ? 1 : 0;
}

void DeleteTerm(TAccRecord &record, int term)
{
    for (int j = term; j + 1 < MaxTerms; ++j)
        CopyTerm(record, j, j + 1);
    ClearTerm(record, MaxTerms - 1);
}

void SwapTerms(TAccRecord &record, int a, int b)
{
    const std::size_t x = Index(a);
    const std::size_t y = Index(b);
    std::swap(record.TermPayable[x], record.TermPayable[y]);
    std::swap(record.TermAmount[x], record.TermAmount[y]);
    std::swap(record.TermDescript[x], record.TermDescript[y]);
    std::swap(record.TermRemark[x], record.TermRemark[y]);
    std::swap(record.TermDone[x], record.TermDone[y]);
}
