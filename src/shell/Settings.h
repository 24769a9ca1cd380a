#pragma once

#include <QString>

// The settings file's values, read once at start-up and written once at the
// end. Defaults are those of a fresh user.
struct TSettings
{
    bool Maximized = false;
    int Left = 12;
    int Top = 20;
    int Width = 1000;
    int Height = 700;
    bool DataPathDefault = true;
    QString DataPathOther;
    int SplitterAcc = 245;
    QString CurrencyString = QStringLiteral("€");
    int Region = 0;
    bool HolidaysShow = true;
    int DiagramHeight = 600;
    bool DiagramColors = true;
    int PrinterIndex = -1;
};

// What the system says about its printers when the settings are read.
struct TPrinterDefaults
{
    int Count = 0;
    int Current = -1;   // the system's current printer; -1 without printers
};

inline constexpr int MinWindowWidth = 800;
inline constexpr int MinWindowHeight = 600;
inline constexpr int MaxWindowExtent = 16384;
inline constexpr int MinSplitterAcc = 200;
inline constexpr int MaxSplitterAcc = 2000;

// Reads the INI file; a missing key, a value that is no number or a value
// out of range takes its default or is clamped. A missing or damaged file
// gives the defaults.
TSettings ReadSettings(const QString &iniPath, const TPrinterDefaults &printers);

// Writes every key. The window's place and size are written only while it is
// not maximized, so the last normal geometry stays in the file. Other
// sections of the file (the backup's) are kept. Returns false when the file
// could not be written.
bool WriteSettings(const QString &iniPath, const TSettings &settings);
