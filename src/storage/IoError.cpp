#include "storage/IoError.h"

#include <cerrno>

namespace {
// The number reported with "Versuch hinter dem Dateiende zu lesen"; it is
// not an errno value and never shown.
constexpr int EndOfFileCode = -1;
} // namespace

EInOutError::EInOutError(int code, QString message)
    : m_code(code), m_message(std::move(message)), m_utf8(m_message.toUtf8())
{
}

EInOutError EInOutError::FromErrno(int errorNumber)
{
    return EInOutError(errorNumber, IoErrorText(errorNumber));
}

EInOutError EInOutError::EndOfFile()
{
    return EInOutError(EndOfFileCode, QStringLiteral("Versuch hinter dem Dateiende zu lesen"));
}

QString IoErrorText(int errorNumber)
{
    switch (errorNumber) {
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Zu viele geöffnete Dateien");
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return QStringLiteral("Dateizugriff verweigert");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Zu wenig Speicherplatz");
    default:
        return QStringLiteral("E/A-Fehler %1").arg(errorNumber);
    }
}

int ErrnoOrEio(int errorNumber)
{
    return errorNumber != 0 ? errorNumber : EIO;
}
