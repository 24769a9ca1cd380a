// The main window's invoice and payment-term commands, the next-terms list,
// the invoice count and the state timer.
#include "shell/FormVekRech.h"

#include "calendar/DateUtils.h"
#include "controls/TesselListView.h"
#include "controls/VekDsgListBox.h"
#include "controls/VekPopupMenu.h"
#include "controls/VistaGradPanel.h"
#include "shell/AccDataPanels.h"
#include "shell/CommandGuard.h"
#include "shell/MainCommands.h"
#include "shell/MessageDialogs.h"
#include "terms/AccDialog.h"
#include "terms/AccOperations.h"
#include "terms/NextTerms.h"
#include "terms/TermDialog.h"

#include <QAction>
#include <QKeyEvent>
#include <QTextEdit>
#include <QTreeWidgetItem>

#include <stdexcept>

namespace {

const QString DuplicateInvoice = QStringLiteral(
    "Es existiert bereits eine gleichnamige Rechnung!\nBenutzen Sie bitte einen anderen Namen.");

// A stored due date that is no date, reported like any failed command.
class EInvalidDate : public std::runtime_error
{
public:
    explicit EInvalidDate(const QString &text)
        : std::runtime_error(QStringLiteral("'%1' ist kein gültiges Datum").arg(text).toStdString())
    {
    }
};

} // namespace

// ---------------------------------------------------------------- invoices

void TFormVekRech::mRechnung_AddClick()
{
    if (m_listAcc->count() >= MaxAddableInvoices) {
        MessageDlg(this,
                   QStringLiteral("Es können keine Rechnungen mehr hinzugefügt werden!\n"
                                  "Bitte erstellen Sie eine neue Rechnungsdatei."),
                   TMsgSymbol::Error);
        return;
    }
    TAccDialog dialog(QStringLiteral("Neue Rechnung hinzufügen..."), QString(), QString(), m_state.Paths.HelpFile, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (HasAccName(m_state.AccTable, dialog.Name())) {
        MessageDlg(this, DuplicateInvoice, TMsgSymbol::Error);
        return;
    }
    const int slot = AddAccRecord(m_state.AccTable, dialog.Name(), dialog.Legend());
    m_listAcc->addItem(AccListEntry(m_state.AccTable[static_cast<std::size_t>(slot)]));
    SelectInvoice(slot);
    m_state.AccModified = true;
    ShowInvoiceCount();
}

void TFormVekRech::mRechnung_EditClick()
{
    const int k = SelectedInvoice();
    if (k < 0)
        return;
    TAccRecord &record = m_state.AccTable[static_cast<std::size_t>(k)];
    TAccDialog dialog(QStringLiteral("Rechnung bearbeiten..."), record.AccName.Text(), record.AccLegend.Text(),
                      m_state.Paths.HelpFile, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString entry = dialog.Name() + u'#' + dialog.Legend();
    for (int i = 0; i < m_listAcc->count(); ++i) {
        if (QString::compare(m_listAcc->item(i)->text(), entry, Qt::CaseInsensitive) == 0) {
            MessageDlg(this, DuplicateInvoice, TMsgSymbol::Error);
            return;
        }
    }
    record.AccName.SetText(dialog.Name());
    record.AccLegend.SetText(dialog.Legend());
    m_listAcc->item(k)->setText(entry);
    m_state.AccModified = true;
    ShowInvoiceCount();
    FillNextTerms();
    DrawMonthCalendar();
}

void TFormVekRech::mRechnung_DeleteClick()
{
    const int k = SelectedInvoice();
    if (k < 0)
        return;
    if (MessageDlg(this, QStringLiteral("Soll die Rechnung gelöscht werden?"), TMsgSymbol::Question,
                   QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    DeleteAccRecord(m_state.AccTable, k);
    {
        const QSignalBlocker block(m_listAcc);
        delete m_listAcc->takeItem(k);
    }
    ClearSelection();
    m_state.AccModified = true;
    // A delete reaches the file at once; a failed write keeps the flag, so
    // the next save moment tries again.
    RunCommand(this, [this] { m_state.SaveAccFile(); });
    ShowInvoiceCount();
    FillNextTerms();
    DrawMonthCalendar();
}

void TFormVekRech::mRechnung_MoveClick(int step)
{
    const int k = SelectedInvoice();
    const int t = k + step;
    if (k < 0 || t < 0 || t >= m_listAcc->count())
        return;
    SwapAccRecords(m_state.AccTable, k, t);
    const QString text = m_listAcc->item(k)->text();
    m_listAcc->item(k)->setText(m_listAcc->item(t)->text());
    m_listAcc->item(t)->setText(text);
    {
        const QSignalBlocker block(m_listAcc);
        m_listAcc->setCurrentRow(t);
    }
    m_selected = t;
    // The panes show the same invoice; only its place in the table moved.
    m_dataPanels->ShowRecord(&m_state.AccTable[static_cast<std::size_t>(t)]);
    m_state.AccModified = true;
}

// ---------------------------------------------------------------- terms

int TFormVekRech::SelectedTerm() const
{
    QTreeWidgetItem *item = m_listTerms->currentItem();
    return item != nullptr && item->isSelected() ? m_listTerms->indexOfTopLevelItem(item) : -1;
}

int TFormVekRech::TermRows() const
{
    return m_listTerms->topLevelItemCount();
}

void TFormVekRech::FillTermRow(int row)
{
    const int k = SelectedInvoice();
    QTreeWidgetItem *item = m_listTerms->topLevelItem(row);
    if (k < 0 || item == nullptr)
        return;
    const TAccRecord &record = m_state.AccTable[static_cast<std::size_t>(k)];
    const auto t = static_cast<std::size_t>(row);
    item->setText(0, record.TermPayable[t].Text());
    item->setText(1, record.TermAmount[t].Text());
    item->setText(2, record.TermDescript[t].Text());
    item->setText(3, record.TermRemark[t].Text());
}

void TFormVekRech::mTermin_AddClick()
{
    const int k = SelectedInvoice();
    if (k < 0 || TermRows() >= MaxTerms)
        return;
    const TTermValues start{DateText(m_state.Clock.Today()), QStringLiteral("0.00"), QString(), QString(), false};
    TTermDialog dialog(QStringLiteral("Zahlungstermin hinzufügen..."), start, m_state.Clock.Today(),
                       m_state.Paths.HelpFile, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int row = TermRows();
    SetTerm(m_state.AccTable[static_cast<std::size_t>(k)], row, dialog.Values());
    auto *item = new QTreeWidgetItem;
    item->setTextAlignment(1, Qt::AlignRight);
    m_listTerms->addTopLevelItem(item);
    FillTermRow(row);
    m_state.AccModified = true;
    FillNextTerms();
    DrawMonthCalendar();
}

void TFormVekRech::mTermin_EditClick()
{
    const int k = SelectedInvoice();
    const int row = SelectedTerm();
    if (k < 0 || row < 0)
        return;
    TAccRecord &record = m_state.AccTable[static_cast<std::size_t>(k)];
    const TTermValues values = TermValuesOf(record, row);
    if (!ParseDateText(values.Payable).isValid())
        throw EInvalidDate(values.Payable);
    TTermDialog dialog(QStringLiteral("Zahlungstermin bearbeiten..."), values, m_state.Clock.Today(),
                       m_state.Paths.HelpFile, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    SetTerm(record, row, dialog.Values());
    FillTermRow(row);
    m_state.AccModified = true;
    FillNextTerms();
    DrawMonthCalendar();
}

void TFormVekRech::mTermin_DeleteClick()
{
    const int k = SelectedInvoice();
    const int row = SelectedTerm();
    if (k < 0 || row < 0)
        return;
    if (MessageDlg(this, QStringLiteral("Soll der Zahlungstermin gelöscht werden?"), TMsgSymbol::Question,
                   QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    DeleteTerm(m_state.AccTable[static_cast<std::size_t>(k)], row);
    FillTermList();
    m_state.AccModified = true;
    FillNextTerms();
    DrawMonthCalendar();
}

void TFormVekRech::mTermin_MoveClick(int step)
{
    const int k = SelectedInvoice();
    const int row = SelectedTerm();
    const int t = row + step;
    if (k < 0 || row < 0 || t < 0 || t >= TermRows())
        return;
    SwapTerms(m_state.AccTable[static_cast<std::size_t>(k)], row, t);
    FillTermList();
    m_listTerms->setCurrentItem(m_listTerms->topLevelItem(t));
    m_state.AccModified = true;
}

// ---------------------------------------------------------------- next terms, count, timer

void TFormVekRech::FillNextTerms()
{
    ::FillNextTerms(*m_nextTerms->document(), m_state.AccTable, m_state.Clock.Today());
    m_nextTerms->moveCursor(QTextCursor::Start);
    m_nextTerms->ensureCursorVisible();
}

void TFormVekRech::ShowInvoiceCount()
{
    m_statusInfo->SetCaption(InvoiceCountText(m_listAcc->count()));
}

void TFormVekRech::Timer1Timer()
{
    const int accCount = m_listAcc->count();
    const int k = SelectedInvoice();
    const int terms = TermRows();
    const int row = SelectedTerm();
    const auto set = [this](std::initializer_list<const char *> names, bool enabled) {
        for (const char *name : names) {
            QAction *action = m_commands->Action(QString::fromLatin1(name));
            if (action->isEnabled() != enabled)
                action->setEnabled(enabled);
        }
    };
    set({"mRechnung_Add", "TB_Rechnung_Add"}, accCount < MaxAccSlots);
    set({"mRechnung_Edit", "TB_Rechnung_Edit", "mRechnung_Delete", "TB_Rechnung_Delete"}, k >= 0);
    set({"mRechnung_Move_Up"}, k > 0);
    set({"mRechnung_Move_Down"}, k >= 0 && k < accCount - 1);
    set({"mTermin_Add", "TB_Termin_Add"}, k >= 0 && terms < MaxTerms);
    set({"mTermin_Edit", "TB_Termin_Edit", "mTermin_Delete", "TB_Termin_Delete"}, row >= 0);
    set({"mTermin_Move_Up"}, row > 0);
    set({"mTermin_Move_Down"}, row >= 0 && row < terms - 1);
    const QDate today = m_state.Clock.Today();
    const QDate shown = m_state.CalendarDate;
    set({"mCalendar_Now", "TB_Calendar_Now"}, shown.month() != today.month() || shown.year() != today.year());

    // A window left open overnight shows the new day and what became due.
    if (m_drawnToday.isValid() && today != m_drawnToday) {
        FillNextTerms();
        DrawMonthCalendar();
        m_listTerms->viewport()->update();
    }
}

void TFormVekRech::ConnectListKeys()
{
    connect(m_listAcc, &TVekDsgListBox::DblClick, this, [this] { RunCommand(this, [this] { mRechnung_EditClick(); }); });
    connect(m_listTerms, &QTreeWidget::itemDoubleClicked, this,
            [this] { RunCommand(this, [this] { mTermin_EditClick(); }); });
    // Enter and Delete reach the lists' commands through eventFilter.
    m_listAcc->installEventFilter(this);
    m_listTerms->installEventFilter(this);

    // The context menus decide their move entries each time they open.
    m_listAcc->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_listAcc, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        const int k = SelectedInvoice();
        m_commands->Action(QStringLiteral("PM_Rechnung_Move_UP"))->setEnabled(k > 0);
        m_commands->Action(QStringLiteral("PM_Rechnung_Move_Down"))->setEnabled(k >= 0 && k < m_listAcc->count() - 1);
        m_menuListAcc->popup(m_listAcc->viewport()->mapToGlobal(at));
    });
    m_listTerms->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_listTerms, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        const int row = SelectedTerm();
        m_commands->Action(QStringLiteral("PM_Termine_Move_Up"))->setEnabled(row > 0);
        m_commands->Action(QStringLiteral("PM_Termine_Move_Down"))->setEnabled(row >= 0 && row < TermRows() - 1);
        m_menuListTerms->popup(m_listTerms->viewport()->mapToGlobal(at));
    });
}

bool TFormVekRech::ListKey(QObject *list, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || (list != m_listAcc && list != m_listTerms))
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    const bool invoices = list == m_listAcc;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        RunCommand(this, [this, invoices] { invoices ? mRechnung_EditClick() : mTermin_EditClick(); });
        return true;
    case Qt::Key_Delete:
        RunCommand(this, [this, invoices] { invoices ? mRechnung_DeleteClick() : mTermin_DeleteClick(); });
        return true;
    default:
        return false;
    }
}
