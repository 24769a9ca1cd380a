#include "shell/AppPaths.h"

#include <QCoreApplication>
#include <QStandardPaths>

QString WithTrailingSlash(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

TAppPaths ProgramPaths()
{
    TAppPaths paths;
    paths.ProgramFolder = WithTrailingSlash(QCoreApplication::applicationDirPath());
    paths.HelpFile = paths.ProgramFolder + QStringLiteral("VekRech.html");
    paths.ProgramDataFolder =
        WithTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        + QStringLiteral("Zandivo/");
    paths.SettingsFile = paths.ProgramDataFolder + QStringLiteral("VekRech.ini");
    paths.OwnBankFile = paths.ProgramDataFolder + QStringLiteral("bankdata.own");
    return paths;
}

QString DefaultDataDirectory()
{
    return WithTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
           + QStringLiteral("Zandivo/");
}

QString DataDirectoryFor(bool useDefault, const QString &other)
{
    if (useDefault || other.trimmed().isEmpty())
        return DefaultDataDirectory();
    return WithTrailingSlash(other);
}

bool IsNetworkPath(const QString &path)
{
    return path.startsWith(QStringLiteral("smb://"), Qt::CaseInsensitive) || path.startsWith(QStringLiteral("//"));
}
