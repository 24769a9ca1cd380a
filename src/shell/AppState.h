#pragma once

#include "calendar/FormatSettings.h"
#include "shell/AppPaths.h"
#include "shell/Clock.h"
#include "shell/Settings.h"
#include "storage/AccFile.h"
#include "storage/OwnBankRecord.h"

#include <QString>

// Everything the program holds while it runs. The main window owns the one
// instance and hands references to whoever needs them.
class TAppState
{
public:
    TAppState();

    // The current invoice file, held plain.
    TAccTable AccTable;
    QString AccFileName;
    bool AccModified = false;

    // Set by every change of the pin board's notes.
    bool PinsModified = false;

    TOwnAccounts OwnAccounts;
    TSettings Settings;
    TAppPaths Paths;
    TFormatSettings AppFormatSettings;
    TClock Clock;

    // The calendar shows the month of this date.
    QDate CalendarDate;

    // Replaces the table by the file at AccFileName (an empty table when the
    // file does not exist yet) and clears AccModified. When the file cannot
    // be read, the table is left empty and AccFileName is cleared, so that
    // nothing can write the half-read table over the file; the error is
    // passed on.
    void LoadAccFile();

    // Makes the file at path current: reads it whole, and only then takes
    // its table and name and clears AccModified. When it cannot be read,
    // nothing changes and the error is passed on.
    void OpenAccFile(const QString &path);

    // Writes the table to AccFileName and clears AccModified; does nothing
    // while AccFileName is blank. When the write fails, the file keeps its
    // previous content, AccModified is set and the error is passed on.
    void SaveAccFile();

    void SaveAccFileIfModified();
};
