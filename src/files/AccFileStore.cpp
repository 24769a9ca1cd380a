#include "files/AccFileStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString InvoiceSuffix = QStringLiteral(".rcc");
}

QStringList ListAccFiles(const QString &dataDirectory)
{
    QStringList names;
    const QDir folder(dataDirectory);
    // Only the program's own lower-case extension: a path is always built
    // from the name plus ".rcc".
    for (const QFileInfo &entry : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort)) {
        const QString file = entry.fileName();
        if (file.endsWith(InvoiceSuffix, Qt::CaseSensitive) && file.size() > InvoiceSuffix.size())
            names << file.chopped(InvoiceSuffix.size());
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

TAccFilePaths AccFilePaths(const QString &dataDirectory, const QString &name)
{
    QString base = dataDirectory;
    if (!base.endsWith(u'/'))
        base += u'/';
    base += name;
    return {base + InvoiceSuffix, base + QStringLiteral(".rcp"), base + QStringLiteral(".rcd")};
}

TAccFilePaths CompanionPaths(const QString &invoiceFilePath)
{
    const QString base = invoiceFilePath.endsWith(InvoiceSuffix, Qt::CaseInsensitive)
                             ? invoiceFilePath.chopped(InvoiceSuffix.size())
                             : invoiceFilePath;
    return {invoiceFilePath, base + QStringLiteral(".rcp"), base + QStringLiteral(".rcd")};
}

QString AccFileNameOf(const QString &invoiceFilePath)
{
    const QString file = QFileInfo(invoiceFilePath).fileName();
    return file.endsWith(InvoiceSuffix, Qt::CaseInsensitive) ? file.chopped(InvoiceSuffix.size()) : file;
}

QString AccFileNameProblem(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (name.contains(u'/') || name.contains(QChar(0)) || trimmed == u"." || trimmed == u"..")
        return QStringLiteral("Der Name \"%1\" kann nicht verwendet werden!\n"
                              "Ein Name darf keinen Schrägstrich (/) enthalten und nicht \".\" oder \"..\" lauten.")
            .arg(name);
    if (name.size() > MaxAccFileNameLength)
        return QStringLiteral("Der Name darf höchstens %1 Zeichen lang sein.").arg(MaxAccFileNameLength);
    return {};
}

bool ContainsAccFileName(const QStringList &names, const QString &name)
{
    return names.contains(name, Qt::CaseInsensitive);
}

bool RenameAccFile(const TAccFilePaths &from, const TAccFilePaths &to)
{
    // QFile::rename never replaces an existing file: a target on disk that
    // the list did not show fails here instead of being lost.
    if (!QFile::rename(from.Invoices, to.Invoices))
        return false;
    if (QFile::exists(from.Notes))
        QFile::rename(from.Notes, to.Notes);
    if (QFile::exists(from.Documents))
        QFile::rename(from.Documents, to.Documents);
    return true;
}

bool DeleteAccFile(const TAccFilePaths &paths)
{
    if (!QFile::remove(paths.Invoices))
        return false;
    QFile::remove(paths.Notes);
    QFile::remove(paths.Documents);
    return true;
}

bool SameAccFilePath(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}
