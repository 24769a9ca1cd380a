#pragma once

#include <QString>

#include <exception>

// A failed file read or write, carrying the German text the user sees.
class EInOutError : public std::exception
{
public:
    // From an operating-system error number (errno).
    static EInOutError FromErrno(int errorNumber);
    // A file that ends before the data it must hold.
    static EInOutError EndOfFile();

    int ErrorCode() const { return m_code; }
    const QString &Message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    EInOutError(int code, QString message);

    int m_code;
    QString m_message;
    QByteArray m_utf8;
};

// errno → the German text: "Zu viele geöffnete Dateien",
// "Dateizugriff verweigert", "Zu wenig Speicherplatz" or "E/A-Fehler n".
QString IoErrorText(int errorNumber);

// errno 0 means a failure that left no number; report it as a plain I/O error.
int ErrnoOrEio(int errorNumber);
