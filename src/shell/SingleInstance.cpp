#include "shell/SingleInstance.h"

#include "shell/AppPaths.h"

#include <QDir>
#include <QStandardPaths>

TSingleInstance::TSingleInstance(const QString &lockFolder)
    : m_lock(WithTrailingSlash(lockFolder) + QStringLiteral("Zandivo.lock"))
{
    QDir().mkpath(lockFolder);
    // Age alone never makes a lock stale: only a lock whose process is gone.
    m_lock.setStaleLockTime(0);
    m_first = m_lock.tryLock(0);
}

QString TSingleInstance::DefaultLockFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}
