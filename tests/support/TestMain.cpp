// Every test program starts here: offscreen widgets, a throw-away HOME with
// its own XDG folders, and an English default locale, so that no test sees
// the machine's desktop, files or language.
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include "shell/Startup.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");

    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/zandivo-test-home-XXXXXX"));
    if (!home.isValid())
        return 2;
    const QString root = home.path();
    for (const char *sub : {"/.config", "/.local/share", "/.cache", "/run", "/Documents"})
        QDir().mkpath(root + QString::fromLatin1(sub));
    QFile::setPermissions(root + QStringLiteral("/run"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", root.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (root + QStringLiteral("/.local/share")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (root + QStringLiteral("/.cache")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (root + QStringLiteral("/run")).toLocal8Bit());
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("LANG", "C.UTF-8");

    QApplication app(argc, argv);
    InitZandivoResources();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
