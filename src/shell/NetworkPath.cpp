#include "shell/NetworkPath.h"

#include "shell/AppPaths.h"

#include <QProcess>
#include <QStandardPaths>

#include <optional>

namespace {

// Runs gio and returns its standard output, or nothing when it failed.
std::optional<QString> RunGio(const QStringList &arguments, int timeoutMs)
{
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    if (gio.isEmpty())
        return std::nullopt;
    QProcess process;
    // No terminal to ask for credentials: a share that needs them fails
    // and the user gets the network message.
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(gio, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

} // namespace

QString NetworkUrl(const QString &path)
{
    QString url = path;
    if (url.startsWith(QStringLiteral("//")))
        url = QStringLiteral("smb:") + url;
    while (url.endsWith(u'/') && !url.endsWith(QStringLiteral("://")))
        url.chop(1);
    return url;
}

TNetworkConnection ConnectNetworkPath(const QString &path, int timeoutMs)
{
    const QString url = NetworkUrl(path);
    // "gio mount" fails for a share that is already mounted; the info
    // below tells either way whether the share is reachable.
    RunGio({QStringLiteral("mount"), url}, timeoutMs);
    const auto info = RunGio({QStringLiteral("info"), url}, timeoutMs);
    if (!info)
        return {};
    for (const QString &line : info->split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QStringLiteral("local path:"))) {
            const QString local = trimmed.mid(11).trimmed();
            if (!local.isEmpty())
                return {true, WithTrailingSlash(local)};
        }
    }
    return {};
}
