#include "shell/Clock.h"

QDateTime TClock::Now() const
{
    return m_pinned ? *m_pinned : QDateTime::currentDateTime();
}
