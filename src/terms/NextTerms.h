#pragma once

#include "storage/AccFile.h"

#include <QDate>
#include <QString>

#include <vector>

class QTextDocument;

// The next open term of one invoice.
struct TNextTermsData
{
    QString Name;
    QString Legende;
    QString Payable;
    QString Amount;
};

// For every invoice its first open term in term order, sorted by due date
// ("yyyy-mm-dd"; a text that is no date sorts as it stands), without regard
// to case.
std::vector<TNextTermsData> CollectNextTerms(const TAccTable &table);

// Writes the list into the document: the name in bold, the short
// description, the date and amount (red when due), an empty line.
void FillNextTerms(QTextDocument &document, const TAccTable &table, QDate today);

// "Keine Rechnung vorhanden", "1 Rechnung vorhanden", "n Rechnungen vorhanden".
QString InvoiceCountText(int count);
