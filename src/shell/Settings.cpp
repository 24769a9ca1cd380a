#include "shell/Settings.h"

#include <QSettings>
#include <QStringList>

#include <algorithm>

namespace {

// A value with a comma comes back from QSettings as a list; the text is
// what counts.
QString ReadText(const QSettings &ini, const QString &key, const QString &fallback)
{
    const QVariant value = ini.value(key);
    if (!value.isValid())
        return fallback;
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

int ReadNumber(const QSettings &ini, const QString &key, int fallback)
{
    bool ok = false;
    const int n = ReadText(ini, key, QString()).trimmed().toInt(&ok);
    return ok ? n : fallback;
}

bool ReadFlag(const QSettings &ini, const QString &key, bool fallback)
{
    return ReadNumber(ini, key, fallback ? 1 : 0) != 0;
}

QString Flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

TSettings ReadSettings(const QString &iniPath, const TPrinterDefaults &printers)
{
    const QSettings ini(iniPath, QSettings::IniFormat);
    TSettings s;

    s.Maximized = ReadFlag(ini, QStringLiteral("WINDOW/Maximized"), s.Maximized);
    s.Left = std::clamp(ReadNumber(ini, QStringLiteral("WINDOW/Left"), s.Left), 0, MaxWindowExtent);
    s.Top = std::clamp(ReadNumber(ini, QStringLiteral("WINDOW/Top"), s.Top), 0, MaxWindowExtent);
    s.Width = std::clamp(ReadNumber(ini, QStringLiteral("WINDOW/Width"), s.Width), MinWindowWidth, MaxWindowExtent);
    s.Height = std::clamp(ReadNumber(ini, QStringLiteral("WINDOW/Height"), s.Height), MinWindowHeight, MaxWindowExtent);

    s.DataPathDefault = ReadFlag(ini, QStringLiteral("DATAPATH/Default"), s.DataPathDefault);
    s.DataPathOther = ReadText(ini, QStringLiteral("DATAPATH/Other"), s.DataPathOther);

    s.SplitterAcc = std::clamp(ReadNumber(ini, QStringLiteral("SPLITTER/Acc"), s.SplitterAcc),
                               MinSplitterAcc, MaxSplitterAcc);

    s.CurrencyString = ReadText(ini, QStringLiteral("CURRENCY/String"), s.CurrencyString);

    s.Region = ReadNumber(ini, QStringLiteral("LAND/Region"), s.Region);
    if (s.Region < 0 || s.Region > 17)
        s.Region = 0;

    s.HolidaysShow = ReadFlag(ini, QStringLiteral("HOLIDAYS/Show"), s.HolidaysShow);
    s.DiagramHeight = ReadNumber(ini, QStringLiteral("DIAGRAM/Height"), s.DiagramHeight);
    if (s.DiagramHeight != 400 && s.DiagramHeight != 600 && s.DiagramHeight != 800)
        s.DiagramHeight = 600;
    s.DiagramColors = ReadFlag(ini, QStringLiteral("DIAGRAM/Colors"), s.DiagramColors);

    // A printer that has gone since the last run falls back to the current one.
    const int fallback = printers.Count > 0 ? printers.Current : -1;
    s.PrinterIndex = ReadNumber(ini, QStringLiteral("PRINTER/Index"), fallback);
    if (s.PrinterIndex < 0 || s.PrinterIndex >= printers.Count)
        s.PrinterIndex = fallback;

    return s;
}

bool WriteSettings(const QString &iniPath, const TSettings &s)
{
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.setValue(QStringLiteral("WINDOW/Maximized"), Flag(s.Maximized));
    if (!s.Maximized) {
        ini.setValue(QStringLiteral("WINDOW/Left"), s.Left);
        ini.setValue(QStringLiteral("WINDOW/Top"), s.Top);
        ini.setValue(QStringLiteral("WINDOW/Width"), s.Width);
        ini.setValue(QStringLiteral("WINDOW/Height"), s.Height);
    }
    ini.setValue(QStringLiteral("DATAPATH/Default"), Flag(s.DataPathDefault));
    ini.setValue(QStringLiteral("DATAPATH/Other"), s.DataPathOther);
    ini.setValue(QStringLiteral("SPLITTER/Acc"), s.SplitterAcc);
    ini.setValue(QStringLiteral("CURRENCY/String"), s.CurrencyString);
    ini.setValue(QStringLiteral("LAND/Region"), s.Region);
    ini.setValue(QStringLiteral("HOLIDAYS/Show"), Flag(s.HolidaysShow));
    ini.setValue(QStringLiteral("DIAGRAM/Height"), s.DiagramHeight);
    ini.setValue(QStringLiteral("DIAGRAM/Colors"), Flag(s.DiagramColors));
    ini.setValue(QStringLiteral("PRINTER/Index"), s.PrinterIndex);
    ini.sync();
    return ini.status() == QSettings::NoError;
}
