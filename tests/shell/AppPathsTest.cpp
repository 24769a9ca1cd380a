#include "shell/AppPaths.h"
#include "shell/NetworkPath.h"

#include <QDir>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(AppPaths, FoldersEndWithASlashAndSitWhereTheDesktopKeepsThem)
{
    const TAppPaths paths = ProgramPaths();
    const QString home = QDir::homePath();
    EXPECT_EQ(paths.ProgramDataFolder, home + QStringLiteral("/.config/Zandivo/"));
    EXPECT_EQ(paths.SettingsFile, paths.ProgramDataFolder + QStringLiteral("VekRech.ini"));
    EXPECT_EQ(paths.OwnBankFile, paths.ProgramDataFolder + QStringLiteral("bankdata.own"));
    EXPECT_TRUE(paths.ProgramFolder.endsWith(u'/'));
    EXPECT_EQ(paths.HelpFile, paths.ProgramFolder + QStringLiteral("VekRech.html"));
    EXPECT_EQ(DefaultDataDirectory(), home + QStringLiteral("/Documents/Zandivo/"));
}

TEST(AppPaths, DataDirectoryFollowsTheSettings)
{
    EXPECT_EQ(DataDirectoryFor(true, QStringLiteral("/srv/x")), DefaultDataDirectory());
    EXPECT_EQ(DataDirectoryFor(false, QStringLiteral("/srv/x")), QStringLiteral("/srv/x/"));
    EXPECT_EQ(DataDirectoryFor(false, QStringLiteral("/srv/x/")), QStringLiteral("/srv/x/"));
    // No other folder named: the default is the only sensible one.
    EXPECT_EQ(DataDirectoryFor(false, QStringLiteral("  ")), DefaultDataDirectory());
}

TEST(AppPaths, NetworkPaths)
{
    const std::pair<const char *, bool> cases[] = {
        {"//server/share/Zandivo/", true},
        {"smb://server/share", true},
        {"SMB://server/share", true},
        {"/home/anna/Zandivo/", false},
        {"/net//x", false},
    };
    for (const auto &[path, network] : cases)
        EXPECT_EQ(IsNetworkPath(QString::fromLatin1(path)), network) << path;

    EXPECT_EQ(NetworkUrl(QStringLiteral("//server/share/Zandivo/")), QStringLiteral("smb://server/share/Zandivo"));
    EXPECT_EQ(NetworkUrl(QStringLiteral("smb://server/share")), QStringLiteral("smb://server/share"));
}

TEST(AppPaths, UnreachableShareIsNotConnected)
{
    const TNetworkConnection c = ConnectNetworkPath(QStringLiteral("//zandivo-test.invalid/share/"), 5000);
    EXPECT_FALSE(c.Connected);
    EXPECT_TRUE(c.LocalPath.isEmpty());
}

} // namespace
