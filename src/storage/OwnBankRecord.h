#pragma once

#include "storage/ShortString.h"

#include <QString>

#include <array>
#include <cstddef>

// One of the user's own bank accounts, as it stands in "bankdata.own":
// 448 bytes; the name is stored plain, the seven other fields masked.
struct TOwnBankRecord
{
    TShortString<60> OwnName;     // empty: the slot is not in use
    TShortString<40> OwnKind;
    TShortString<120> OwnHolder;
    TShortString<100> OwnBank;
    TShortString<30> OwnCode;
    TShortString<30> OwnNumber;
    TShortString<30> OwnIBAN;
    TShortString<30> OwnBIC;

    bool IsUsed() const { return !OwnName.IsEmpty(); }
};

inline constexpr std::size_t OwnBankRecordSize = 448;
static_assert(sizeof(TOwnBankRecord) == OwnBankRecordSize, "TOwnBankRecord must match the file layout");

// Eleven slots, at most ten used, packed from slot 0.
inline constexpr int OwnAccountSlots = 11;
inline constexpr int MaxOwnAccounts = 10;
using TOwnAccounts = std::array<TOwnBankRecord, OwnAccountSlots>;

inline constexpr qsizetype OwnAccountsFileSize = OwnAccountSlots * static_cast<qsizetype>(OwnBankRecordSize);

// Masks or unmasks the seven masked fields in place; OwnName stays plain.
void MaskOwnBankRecord(TOwnBankRecord &record);

// Fills the table from the file; every slot stays empty when there is no
// file. A file shorter than eleven records fills the slots it holds
// completely and then throws "Versuch hinter dem Dateiende zu lesen"; an
// unreadable file throws its I/O error. Bytes after the eleventh record are
// ignored.
void LoadOwnAccounts(const QString &path, TOwnAccounts &accounts);

// Writes all eleven slots, masked, as one step; the table stays plain.
void SaveOwnAccounts(const QString &path, const TOwnAccounts &accounts);
