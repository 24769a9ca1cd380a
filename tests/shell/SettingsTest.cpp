#include "shell/Settings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const TPrinterDefaults NoPrinter{0, -1};
const TPrinterDefaults ThreePrinters{3, 1};

// Each content gets a file of its own: QSettings keeps what it parsed of a
// path as long as the file's size and time look unchanged.
QString IniWith(const QTemporaryDir &dir, const QByteArray &content)
{
    const QString path = dir.filePath(QStringLiteral("VekRech-%1.ini").arg(qHash(content)));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
    return path;
}

void ExpectDefaults(const TSettings &s)
{
    EXPECT_FALSE(s.Maximized);
    EXPECT_EQ(s.Left, 12);
    EXPECT_EQ(s.Top, 20);
    EXPECT_EQ(s.Width, 1000);
    EXPECT_EQ(s.Height, 700);
    EXPECT_TRUE(s.DataPathDefault);
    EXPECT_EQ(s.DataPathOther, QString());
    EXPECT_EQ(s.SplitterAcc, 245);
    EXPECT_EQ(s.CurrencyString, QStringLiteral("€"));
    EXPECT_EQ(s.Region, 0);
    EXPECT_TRUE(s.HolidaysShow);
    EXPECT_EQ(s.DiagramHeight, 600);
    EXPECT_TRUE(s.DiagramColors);
    EXPECT_EQ(s.PrinterIndex, -1);
}

TEST(Settings, MissingFileGivesTheDefaults)
{
    QTemporaryDir dir;
    ExpectDefaults(ReadSettings(dir.filePath(QStringLiteral("fehlt.ini")), NoPrinter));
}

TEST(Settings, GarbageGivesTheDefaults)
{
    QTemporaryDir dir;
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(static_cast<char>((i * 7919) % 256));
    ExpectDefaults(ReadSettings(IniWith(dir, junk), NoPrinter));
    ExpectDefaults(ReadSettings(IniWith(dir, "[WINDOW\nLeft==\n[LAND]\nRegion=zwei\n=5\n"), NoPrinter));
}

struct ClampCase
{
    const char *Ini;
    std::function<int(const TSettings &)> Field;
    int Expected;
};

TEST(Settings, ValuesAreClampedOrTakeTheirDefault)
{
    const ClampCase cases[] = {
        {"[WINDOW]\nLeft=-50\n", [](const TSettings &s) { return s.Left; }, 0},
        {"[WINDOW]\nTop=-1\n", [](const TSettings &s) { return s.Top; }, 0},
        {"[WINDOW]\nWidth=abc\n", [](const TSettings &s) { return s.Width; }, 1000},
        {"[WINDOW]\nWidth=10\n", [](const TSettings &s) { return s.Width; }, MinWindowWidth},
        {"[WINDOW]\nHeight=99999999\n", [](const TSettings &s) { return s.Height; }, MaxWindowExtent},
        {"[WINDOW]\nMaximized=2\n", [](const TSettings &s) { return int(s.Maximized); }, 1},
        {"[WINDOW]\nMaximized=ja\n", [](const TSettings &s) { return int(s.Maximized); }, 0},
        {"[LAND]\nRegion=25\n", [](const TSettings &s) { return s.Region; }, 0},
        {"[LAND]\nRegion=-3\n", [](const TSettings &s) { return s.Region; }, 0},
        {"[LAND]\nRegion=17\n", [](const TSettings &s) { return s.Region; }, 17},
        {"[LAND]\nRegion= 9 \n", [](const TSettings &s) { return s.Region; }, 9},
        {"[HOLIDAYS]\nShow=0\n", [](const TSettings &s) { return int(s.HolidaysShow); }, 0},
        {"[DIAGRAM]\nHeight=800\n", [](const TSettings &s) { return s.DiagramHeight; }, 800},
        {"[DIAGRAM]\nHeight=500\n", [](const TSettings &s) { return s.DiagramHeight; }, 600},
        {"[DIAGRAM]\nColors=0\n", [](const TSettings &s) { return int(s.DiagramColors); }, 0},
        {"[SPLITTER]\nAcc=5\n", [](const TSettings &s) { return s.SplitterAcc; }, MinSplitterAcc},
        {"[SPLITTER]\nAcc=300\n", [](const TSettings &s) { return s.SplitterAcc; }, 300},
        {"[DATAPATH]\nDefault=0\n", [](const TSettings &s) { return int(s.DataPathDefault); }, 0},
    };
    QTemporaryDir dir;
    for (const ClampCase &c : cases)
        EXPECT_EQ(c.Field(ReadSettings(IniWith(dir, c.Ini), NoPrinter)), c.Expected) << c.Ini;
}

TEST(Settings, PrinterIndexFollowsThePrintersThere)
{
    struct Case
    {
        const char *Ini;
        TPrinterDefaults Printers;
        int Expected;
    };
    const Case cases[] = {
        {"", NoPrinter, -1},
        {"[PRINTER]\nIndex=2\n", NoPrinter, -1},
        {"", ThreePrinters, 1},
        {"[PRINTER]\nIndex=2\n", ThreePrinters, 2},
        {"[PRINTER]\nIndex=7\n", ThreePrinters, 1},
        {"[PRINTER]\nIndex=-1\n", ThreePrinters, 1},
    };
    QTemporaryDir dir;
    for (const Case &c : cases)
        EXPECT_EQ(ReadSettings(IniWith(dir, c.Ini), c.Printers).PrinterIndex, c.Expected) << c.Ini;
}

TEST(Settings, RoundTripKeepsEveryValue)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VekRech.ini"));
    TSettings s;
    s.Left = 40;
    s.Top = 50;
    s.Width = 1200;
    s.Height = 800;
    s.DataPathDefault = false;
    s.DataPathOther = QStringLiteral("/srv/Daten, gemeinsam/Zandivo/");
    s.SplitterAcc = 310;
    s.CurrencyString = QStringLiteral("EUR");
    s.Region = 13;
    s.HolidaysShow = false;
    s.DiagramHeight = 400;
    s.DiagramColors = false;
    s.PrinterIndex = 2;
    ASSERT_TRUE(WriteSettings(path, s));

    const TSettings back = ReadSettings(path, ThreePrinters);
    EXPECT_EQ(back.Left, 40);
    EXPECT_EQ(back.Top, 50);
    EXPECT_EQ(back.Width, 1200);
    EXPECT_EQ(back.Height, 800);
    EXPECT_FALSE(back.DataPathDefault);
    EXPECT_EQ(back.DataPathOther, s.DataPathOther);
    EXPECT_EQ(back.SplitterAcc, 310);
    EXPECT_EQ(back.CurrencyString, QStringLiteral("EUR"));
    EXPECT_EQ(back.Region, 13);
    EXPECT_FALSE(back.HolidaysShow);
    EXPECT_EQ(back.DiagramHeight, 400);
    EXPECT_FALSE(back.DiagramColors);
    EXPECT_EQ(back.PrinterIndex, 2);
}

TEST(Settings, FreshWriteHoldsEveryKeyAsFlagsAndNumbers)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VekRech.ini"));
    ASSERT_TRUE(WriteSettings(path, TSettings{}));
    const QSettings ini(path, QSettings::IniFormat);
    const QStringList expected = {
        "CURRENCY/String", "DATAPATH/Default", "DATAPATH/Other", "DIAGRAM/Colors", "DIAGRAM/Height",
        "HOLIDAYS/Show",   "LAND/Region",      "PRINTER/Index",  "SPLITTER/Acc",   "WINDOW/Height",
        "WINDOW/Left",     "WINDOW/Maximized", "WINDOW/Top",     "WINDOW/Width",
    };
    QStringList keys = ini.allKeys();
    keys.sort();
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(ini.value("DATAPATH/Default").toString(), QStringLiteral("1"));
    EXPECT_EQ(ini.value("WINDOW/Maximized").toString(), QStringLiteral("0"));
    EXPECT_EQ(ini.value("CURRENCY/String").toString(), QStringLiteral("€"));
}

TEST(Settings, MaximizedKeepsTheLastNormalGeometryAndOtherSections)
{
    QTemporaryDir dir;
    const QString path = IniWith(dir, "[WINDOW]\nLeft=33\nTop=44\nWidth=1111\nHeight=777\n"
                                      "[BACKUP]\nPath=/media/stick\nName=Sicherung\nLast=01.12.2026\n");
    TSettings s;
    s.Maximized = true;
    s.Left = 0;
    s.Width = 1920;
    ASSERT_TRUE(WriteSettings(path, s));

    const QSettings ini(path, QSettings::IniFormat);
    EXPECT_EQ(ini.value("WINDOW/Maximized").toString(), QStringLiteral("1"));
    EXPECT_EQ(ini.value("WINDOW/Left").toInt(), 33);
    EXPECT_EQ(ini.value("WINDOW/Top").toInt(), 44);
    EXPECT_EQ(ini.value("WINDOW/Width").toInt(), 1111);
    EXPECT_EQ(ini.value("WINDOW/Height").toInt(), 777);
    EXPECT_EQ(ini.value("BACKUP/Path").toString(), QStringLiteral("/media/stick"));
    EXPECT_EQ(ini.value("BACKUP/Last").toString(), QStringLiteral("01.12.2026"));
}

} // namespace
