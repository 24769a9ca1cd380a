#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The symbol of a message box decides its caption: error "Fehlermeldung",
// question "Bestätigung", warning "Hinweis", information "Information".
enum class TMsgSymbol
{
    Error,
    Question,
    Warning,
    Information,
};

QString MessageCaption(TMsgSymbol symbol);

// Shows a modal message box with German buttons and returns the pressed one.
QMessageBox::StandardButton MessageDlg(QWidget *parent, const QString &text, TMsgSymbol symbol,
                                       QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// The text of the general error report: a full stop is added when the last
// character sorts after the full stop ("E/A-Fehler 5" → "E/A-Fehler 5.").
QString ErrorReportText(const QString &message);

// The general error report: caption "Zandivo", error symbol, OK.
void ShowErrorReport(QWidget *parent, const QString &message);

// Told at start-up and by the printer choice when the system has no printer.
void ShowNoPrinterWarning(QWidget *parent);
