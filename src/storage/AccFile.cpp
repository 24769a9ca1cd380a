#include "storage/AccFile.h"

#include "storage/FileIo.h"
#include "storage/IoError.h"

#include <QSet>

#include <algorithm>
#include <cstring>

void ClearAccTable(TAccTable &table)
{
    table.fill(EmptyAccRecord());
}

QString NewAccId(const TAccTable &table)
{
    QSet<QByteArray> used;
    for (const TAccRecord &record : table)
        used.insert(record.AccId.IsEmpty() ? QByteArray("000") : record.AccId.Bytes().toByteArray());

    for (int k = 1; k <= 100; ++k) {
        const QByteArray id = QByteArray::number(k).rightJustified(3, '0');
        if (!used.contains(id))
            return QString::fromLatin1(id);
    }
    // 31 fullRecords can never use up a hundred numbers.
    return {};
}

QByteArray EncodeAccTable(const TAccTable &table)
{
    QByteArray data(AccFileSize, Qt::Uninitialized);
    char *out = data.data();
    for (const TAccRecord &plain : table) {
        TAccRecord masked = plain;
        MaskAccRecord(masked);
        std::memcpy(out, &masked, AccRecordSize);
        out += AccRecordSize;
    }
    return data;
}

void DecodeAccTable(QByteArrayView data, TAccTable &table)
{
    ClearAccTable(table);
    const auto complete = static_cast<std::size_t>(data.size()) / AccRecordSize;
    const std::size_t fullRecords = std::min<std::size_t>(complete, MaxAccSlots);

    std::size_t next = 0;
    for (std::size_t slot = 0; slot < fullRecords; ++slot) {
        TAccRecord record;
        std::memcpy(&record, data.data() + slot * AccRecordSize, AccRecordSize);
        MaskAccRecord(record);
        if (record.IsUsed())
            table[next++] = record;
    }
    if (fullRecords < MaxAccSlots)
        throw EInOutError::EndOfFile();
}

TAccTable ReadAccFile(const QString &path)
{
    TAccTable table;
    ClearAccTable(table);
    if (const auto data = ReadFileStart(path, AccFileSize))
        DecodeAccTable(*data, table);
    return table;
}

void WriteAccFile(const QString &path, const TAccTable &table)
{
    WriteFileAtomically(path, EncodeAccTable(table));
}

void CreateAccFile(const QString &path)
{
    TAccTable table;
    ClearAccTable(table);
    WriteAccFile(path, table);
}
