#include "storage/OwnBankRecord.h"

#include "storage/FileIo.h"
#include "storage/IoError.h"

#include <QByteArray>

#include <cstring>

static_assert(offsetof(TOwnBankRecord, OwnKind) == 61);
static_assert(offsetof(TOwnBankRecord, OwnHolder) == 102);
static_assert(offsetof(TOwnBankRecord, OwnBank) == 223);
static_assert(offsetof(TOwnBankRecord, OwnCode) == 324);
static_assert(offsetof(TOwnBankRecord, OwnNumber) == 355);
static_assert(offsetof(TOwnBankRecord, OwnIBAN) == 386);
static_assert(offsetof(TOwnBankRecord, OwnBIC) == 417);

void MaskOwnBankRecord(TOwnBankRecord &record)
{
    record.OwnKind.Mask();
    record.OwnHolder.Mask();
    record.OwnBank.Mask();
    record.OwnCode.Mask();
    record.OwnNumber.Mask();
    record.OwnIBAN.Mask();
    record.OwnBIC.Mask();
}

void LoadOwnAccounts(const QString &path, TOwnAccounts &accounts)
{
    accounts.fill(TOwnBankRecord{});
    const auto data = ReadFileStart(path, OwnAccountsFileSize);
    if (!data)
        return;

    // Used slots are packed to the front in their order: the dialog and the
    // transfer slip list slots 0…n-1.
    const auto complete = static_cast<std::size_t>(data->size()) / OwnBankRecordSize;
    std::size_t next = 0;
    for (std::size_t slot = 0; slot < complete; ++slot) {
        TOwnBankRecord record;
        std::memcpy(&record, data->constData() + slot * OwnBankRecordSize, OwnBankRecordSize);
        MaskOwnBankRecord(record);
        if (record.IsUsed())
            accounts[next++] = record;
    }
    if (complete < OwnAccountSlots)
        throw EInOutError::EndOfFile();
}

void SaveOwnAccounts(const QString &path, const TOwnAccounts &accounts)
{
    QByteArray data(OwnAccountsFileSize, Qt::Uninitialized);
    char *out = data.data();
    for (const TOwnBankRecord &plain : accounts) {
        TOwnBankRecord masked = plain;
        MaskOwnBankRecord(masked);
        std::memcpy(out, &masked, OwnBankRecordSize);
        out += OwnBankRecordSize;
    }
    WriteFileAtomically(path, data);
}
