#pragma once

#include <QLockFile>
#include <QString>

// Keeps a second Zandivo of the same user from starting: a lock file in the
// user's runtime folder, held for the whole run. The lock of a run that
// crashed is taken over.
class TSingleInstance
{
public:
    explicit TSingleInstance(const QString &lockFolder = DefaultLockFolder());
    TSingleInstance(const TSingleInstance &) = delete;
    TSingleInstance &operator=(const TSingleInstance &) = delete;

    // False when another instance holds the lock.
    bool IsFirst() const { return m_first; }

    static QString DefaultLockFolder();

private:
    QLockFile m_lock;
    bool m_first;
};
