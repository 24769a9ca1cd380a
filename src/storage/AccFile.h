#pragma once

#include "storage/AccRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>

// The invoice table: the 31 records of the current invoice file, in plain
// text. Used slots are packed at the front.
inline constexpr int MaxAccSlots = 31;
using TAccTable = std::array<TAccRecord, MaxAccSlots>;

// The invoice file: the 31 masked records back to back, no header.
inline constexpr qsizetype AccFileSize = MaxAccSlots * static_cast<qsizetype>(AccRecordSize);

// Makes every slot an empty record.
void ClearAccTable(TAccTable &table);

// The smallest free invoice number "001" … "100"; empty slots count as "000".
QString NewAccId(const TAccTable &table);

// The file form of the table. The table itself is never masked.
QByteArray EncodeAccTable(const TAccTable &table);

// Reads the file form into the table, slot 0 first; bytes after the 31st
// record are ignored. Throws "Versuch hinter dem Dateiende zu lesen" when
// the data ends early; the slots read until then stay in the table.
// Used slots are moved to the front in their order, as every list relies on it.
void DecodeAccTable(QByteArrayView data, TAccTable &table);

// The table of the file at path; an empty table when there is no such file.
// Throws EInOutError when the file cannot be read or is too short.
TAccTable ReadAccFile(const QString &path);

// Writes the table to path as one step (the previous file stays whole when
// the write fails). Throws EInOutError.
void WriteAccFile(const QString &path, const TAccTable &table);

// Writes a new invoice file of 31 empty records without touching any table.
void CreateAccFile(const QString &path);
