#pragma once

#include "storage/AccFile.h"
#include "terms/TermValues.h"

#include <QString>

// The changes the invoice and term commands make to the invoice table.
// Used slots and used terms stay packed at the front.

// At most this many invoices can be added; the last slot stays empty.
inline constexpr int MaxAddableInvoices = 30;

int UsedAccCount(const TAccTable &table);

// The invoice list's text of a slot: name, "#", short description.
QString AccListEntry(const TAccRecord &record);

// Whether an invoice in use has this name, compared without regard to case.
bool HasAccName(const TAccTable &table, const QString &name);

// Fills the first free slot with a new invoice number and the texts (each
// cut to its field) and returns the slot.
int AddAccRecord(TAccTable &table, const QString &name, const QString &legend);

// Removes the slot; the ones after it move up and the last becomes empty.
void DeleteAccRecord(TAccTable &table, int slot);

void SwapAccRecords(TAccTable &table, int a, int b);

// Term i as the dialog shows it: the amount without its " €" suffix.
TTermValues TermValuesOf(const TAccRecord &record, int term);

// Stores the values into term i; the amount gets its " €" suffix.
void SetTerm(TAccRecord &record, int term, const TTermValues &values);

// Removes term i; the terms after it, done flags included, move up and the
// last place becomes empty.
void DeleteTerm(TAccRecord &record, int term);

void SwapTerms(TAccRecord &record, int a, int b);
