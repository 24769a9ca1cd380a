#pragma once

#include "storage/ShortString.h"

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr int MaxTerms = 16;

// One invoice as it stands in the invoice file: 3353 bytes, no padding. The
// sixteen payment terms are five parallel arrays; term i is element i of each.
struct TAccRecord
{
    TShortString<3> AccId;           // "001" … "100"; "000" in an empty slot
    TShortString<60> AccName;        // empty: the slot is not in use
    TShortString<100> AccLegend;
    std::array<TShortString<10>, MaxTerms> TermPayable;   // "dd.mm.yyyy"; empty: term not in use
    std::array<TShortString<10>, MaxTerms> TermAmount;    // "12.50 €"
    std::array<TShortString<60>, MaxTerms> TermDescript;
    std::array<TShortString<30>, MaxTerms> TermRemark;
    std::array<std::uint8_t, MaxTerms> TermDone{};        // any value but 0 means done
    TShortString<120> BankHolder;
    TShortString<100> BankName;
    TShortString<30> BankCode;
    TShortString<30> BankNumber;
    TShortString<30> BankIBAN;
    TShortString<30> BankBIC;
    TShortString<60> BankUse1;
    TShortString<60> BankUse2;
    TShortString<100> ContactName;
    TShortString<100> ContactPerson;
    TShortString<100> ContactStreet;
    TShortString<100> ContactCity;
    TShortString<30> ContactPhone;
    TShortString<30> ContactFax;
    TShortString<60> ContactEMail;
    TShortString<100> ContactInternet;
    TShortString<250> AccNote;       // several lines, CR LF between them

    bool IsUsed() const { return !AccName.IsEmpty(); }
    bool IsTermUsed(int term) const { return !TermPayable[static_cast<std::size_t>(term)].IsEmpty(); }
    bool IsTermDone(int term) const { return TermDone[static_cast<std::size_t>(term)] != 0; }
    int TermCount() const;

    // Calls f on every text field in file order (the done bytes are no text).
    template <typename F>
    void ForEachText(F &&f);
};

inline constexpr std::size_t AccRecordSize = 3353;
static_assert(sizeof(TAccRecord) == AccRecordSize, "TAccRecord must match the file layout");
static_assert(alignof(TAccRecord) == 1);

// The empty slot: AccId "000", every other text empty, every term open.
TAccRecord EmptyAccRecord();

// Masks or unmasks every text field in place; lengths and done bytes stay.
void MaskAccRecord(TAccRecord &record);

template <typename F>
void TAccRecord::ForEachText(F &&f)
{
    f(AccId);
    f(AccName);
    f(AccLegend);
    for (auto &t : TermPayable) f(t);
    for (auto &t : TermAmount) f(t);
    for (auto &t : TermDescript) f(t);
    for (auto &t : TermRemark) f(t);
    f(BankHolder);
    f(BankName);
    f(BankCode);
    f(BankNumber);
    f(BankIBAN);
    f(BankBIC);
    f(BankUse1);
    f(BankUse2);
    f(ContactName);
    f(ContactPerson);
    f(ContactStreet);
    f(ContactCity);
    f(ContactPhone);
    f(ContactFax);
    f(ContactEMail);
    f(ContactInternet);
    f(AccNote);
}
