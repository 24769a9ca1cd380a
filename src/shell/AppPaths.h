#pragma once

#include <QString>

// The folders and files the program works with. Every folder ends with '/'.
struct TAppPaths
{
    QString ProgramFolder;
    QString HelpFile;            // ProgramFolder + "VekRech.html"
    QString ProgramDataFolder;   // ~/.config/Zandivo/
    QString SettingsFile;        // ProgramDataFolder + "VekRech.ini"
    QString OwnBankFile;         // ProgramDataFolder + "bankdata.own"
    QString DataDirectory;       // the invoice files' folder
};

QString WithTrailingSlash(const QString &folder);

// The folder of the running program, the help file beside it and the
// per-user folder of settings and own accounts.
TAppPaths ProgramPaths();

// The documents folder's "Zandivo/".
QString DefaultDataDirectory();

// The data directory the settings ask for.
QString DataDirectoryFor(bool useDefault, const QString &other);

// A network share: "smb://…" or "//server/share".
bool IsNetworkPath(const QString &path);
