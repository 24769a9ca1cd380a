#pragma once

#include <QDate>
#include <QDateTime>

#include <optional>

// The program's one source of "now". Tests pin it to a fixed moment.
class TClock
{
public:
    QDateTime Now() const;
    QDate Today() const { return Now().date(); }

    void Pin(const QDateTime &moment) { m_pinned = moment; }
    void Unpin() { m_pinned.reset(); }

private:
    std::optional<QDateTime> m_pinned;
};
