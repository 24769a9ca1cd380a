#pragma once

#include <QString>
#include <QStringList>

// The invoice files of the data directory, seen by their names: a name is
// the file name of an ".rcc" file without the extension. Beside each lie
// its notes (".rcp") and documents (".rcd") when there are any.

struct TAccFilePaths
{
    QString Invoices;   // name.rcc
    QString Notes;      // name.rcp
    QString Documents;  // name.rcd
};

inline constexpr int MaxAccFileNameLength = 60;

// The names of the ".rcc" files in the folder, sorted without regard to case.
QStringList ListAccFiles(const QString &dataDirectory);

// The three paths of a name in the data directory (which ends with '/').
TAccFilePaths AccFilePaths(const QString &dataDirectory, const QString &name);

// The paths that belong to an invoice file's path.
TAccFilePaths CompanionPaths(const QString &invoiceFilePath);

// The name of an invoice file's path: its file name less ".rcc".
QString AccFileNameOf(const QString &invoiceFilePath);

// Why a typed name cannot name a file in the data directory, or an empty
// text when it can. A name must stay inside the folder.
QString AccFileNameProblem(const QString &name);

// Whether the list holds the name, compared without regard to case.
bool ContainsAccFileName(const QStringList &names, const QString &name);

// Renames the invoice file; its notes and documents follow where they
// exist (their failures do not count). False when the invoice file itself
// could not be renamed; then nothing is renamed.
bool RenameAccFile(const TAccFilePaths &from, const TAccFilePaths &to);

// Deletes the invoice file and then its notes and documents. False when
// the invoice file could not be deleted; then nothing is deleted.
bool DeleteAccFile(const TAccFilePaths &paths);

// Paths are compared without regard to case, as names are.
bool SameAccFilePath(const QString &a, const QString &b);
