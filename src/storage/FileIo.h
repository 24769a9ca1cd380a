#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Whole-file reads and writes for the data files. Failures throw
// EInOutError with the German text of the operating system's error.

// Reads at most maxBytes from the start of the file; bytes after them are
// ignored. std::nullopt when the file does not exist.
std::optional<QByteArray> ReadFileStart(const QString &path, qsizetype maxBytes);

// Replaces the file's content as one step: a failed or interrupted write
// leaves the previous file whole.
void WriteFileAtomically(const QString &path, QByteArrayView data);
