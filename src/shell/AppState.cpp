#include "shell/AppState.h"

TAppState::TAppState()
    : AppFormatSettings(InitFormatSettings())
{
    ClearAccTable(AccTable);
    OwnAccounts.fill(TOwnBankRecord{});
}

void TAppState::LoadAccFile()
{
    try {
        AccTable = ReadAccFile(AccFileName);
        AccModified = false;
    } catch (...) {
        ClearAccTable(AccTable);
        AccFileName.clear();
        AccModified = false;
        throw;
    }
}

void TAppState::OpenAccFile(const QString &path)
{
    TAccTable table = ReadAccFile(path);
    AccTable = table;
    AccFileName = path;
    AccModified = false;
}

void TAppState::SaveAccFile()
{
    if (AccFileName.trimmed().isEmpty())
        return;
    try {
        WriteAccFile(AccFileName, AccTable);
    } catch (...) {
        AccModified = true;
        throw;
    }
    AccModified = false;
}

void TAppState::SaveAccFileIfModified()
{
    if (AccModified)
        SaveAccFile();
}
