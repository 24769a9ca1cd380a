#include "files/FormAccManager.h"

#include "controls/DialogParts.h"
#include "controls/StandardListRow.h"
#include "controls/TesselButton.h"
#include "controls/VistaGradLabel.h"
#include "controls/VistaGradPanel.h"
#include "controls/VekDsgListBox.h"
#include "files/AccFileStore.h"
#include "files/FormAccEdit.h"
#include "shell/CommandGuard.h"
#include "shell/HelpTopics.h"
#include "shell/HelpWindow.h"
#include "shell/MessageDialogs.h"
#include "storage/AccFile.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QStringList ListNames(const QListWidget &list)
{
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names << list.item(i)->text();
    return names;
}

} // namespace

TFormAccManager::TFormAccManager(const TInput &input, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_input(input),
      m_accFileName(input.AccFileName),
      m_list(new TVekDsgListBox(this))
{
    PrepareDialog(*this, QStringLiteral("FormAccManager"), QStringLiteral("Rechnungsverwaltung"), QSize(298, 332));

    auto *header = MakeDialogHeader(this, QStringLiteral("In diesem Dialog erstellen und öffnen Sie Ihre Rechnungsdateien."),
                                    QStringLiteral(":/icons/headers/acc-manager.svg"));

    m_list->setObjectName(QStringLiteral("AccFilesList"));
    m_list->SetBorderColor(QColor(0x66, 0x8E, 0x74));
    m_list->setFont(QFont(QStringLiteral("Arial"), 9));
    m_list->SetDrawItem([this](QPainter &painter, const QRect &rect, int index, bool selected) {
        painter.setFont(m_list->font());
        DrawStandardListRow(painter, rect,
                            {m_list->item(index)->text(), selected, m_list->hasFocus(), index == 0, false});
    });
    auto *label = MakeSectionLabel(this, QStringLiteral("Rechnungsdateien"), m_list);
    label->setObjectName(QStringLiteral("VLabelList"));

    auto *btnHelp = MakeImageButton(this, QStringLiteral("btnHelp"), QStringLiteral(":/icons/buttons/help.svg"),
                                    QStringLiteral("Hilfe"));
    auto *btnNew = MakeImageButton(this, QStringLiteral("btnNew"), QStringLiteral(":/icons/buttons/new.svg"),
                                   QStringLiteral("Neu"));
    m_btnEdit = MakeImageButton(this, QStringLiteral("btnEdit"), QStringLiteral(":/icons/buttons/edit.svg"),
                                QStringLiteral("Ändern"));
    m_btnDelete = MakeImageButton(this, QStringLiteral("btnDelete"), QStringLiteral(":/icons/buttons/delete.svg"),
                                  QStringLiteral("Löschen"));
    m_btnOpen = MakeTextButton(this, QStringLiteral("btnOpen"), QStringLiteral("Öffnen"));
    m_btnOpen->SetDefault(true);
    auto *btnCancel = MakeTextButton(this, QStringLiteral("btnCancel"), QStringLiteral("Abbrechen"));
    btnCancel->SetCancel(true);
    m_btnOpen->setFixedWidth(80);
    btnCancel->setFixedWidth(80);

    connect(btnHelp, &QPushButton::clicked, this, &TFormAccManager::HelpClick);
    connect(btnNew, &QPushButton::clicked, this, &TFormAccManager::NewClick);
    connect(m_btnEdit, &QPushButton::clicked, this, &TFormAccManager::EditClick);
    connect(m_btnDelete, &QPushButton::clicked, this, &TFormAccManager::DeleteClick);
    connect(m_btnOpen, &QPushButton::clicked, this, &TFormAccManager::OpenClick);
    connect(btnCancel, &QPushButton::clicked, this, &TFormAccManager::reject);
    connect(m_list, &TVekDsgListBox::DblClick, this, &TFormAccManager::OpenClick);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &TFormAccManager::UpdateButtons);
    auto *deleteKey = new QShortcut(QKeySequence::Delete, m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &TFormAccManager::DeleteClick);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    for (QWidget *b : {static_cast<QWidget *>(btnHelp), static_cast<QWidget *>(btnNew),
                       static_cast<QWidget *>(m_btnEdit), static_cast<QWidget *>(m_btnDelete)})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(m_btnOpen);
    buttons->addWidget(btnCancel);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(8, 8, 8, 8);
    body->setSpacing(0);
    body->addWidget(label);
    body->addWidget(m_list, 1);
    body->addSpacing(8);
    body->addLayout(buttons);

    StackHeaderAndBody(*this, header, body);

    FillList();

    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &TFormAccManager::UpdateButtons);
    timer->start(300);
    UpdateButtons();
    m_list->setFocus();
}

void TFormAccManager::FillList()
{
    m_list->clear();
    m_list->addItems(ListAccFiles(m_input.DataDirectory));
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

QString TFormAccManager::SelectedName() const
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void TFormAccManager::UpdateButtons()
{
    const bool chosen = !m_list->selectedItems().isEmpty();
    m_btnEdit->setEnabled(chosen);
    m_btnDelete->setEnabled(chosen);
    m_btnOpen->setEnabled(chosen);
}

bool TFormAccManager::AskName(const QString &caption, QString &name)
{
    TFormAccEdit dialog(caption, name, m_input.Today, m_input.HelpFile, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    name = dialog.Name();
    return true;
}

void TFormAccManager::ShowExists(const QString &name)
{
    MessageDlg(this,
               QStringLiteral("Die Rechnungsdatei \"") + name + QStringLiteral("\" existiert bereits! ")
                   + QStringLiteral("Benutzen Sie bitte einen anderen Namen."),
               TMsgSymbol::Error);
}

bool TFormAccManager::NameIsUsable(const QString &name)
{
    if (const QString problem = AccFileNameProblem(name); !problem.isEmpty()) {
        MessageDlg(this, problem, TMsgSymbol::Error);
        return false;
    }
    if (ContainsAccFileName(ListNames(*m_list), name)) {
        ShowExists(name);
        return false;
    }
    return true;
}

void TFormAccManager::NewClick()
{
    QString name;
    if (!AskName(QStringLiteral("Neue Rechnungsdatei..."), name) || name.trimmed().isEmpty())
        return;
    if (!NameIsUsable(name))
        return;
    const bool created = RunCommand(this, [&] { CreateAccFile(AccFilePaths(m_input.DataDirectory, name).Invoices); });
    if (!created)
        return;
    QStringList names = ListNames(*m_list);
    names << name;
    names.sort(Qt::CaseInsensitive);
    m_list->clear();
    m_list->addItems(names);
    m_list->setCurrentRow(static_cast<int>(names.indexOf(name)));
}

void TFormAccManager::EditClick()
{
    const int row = m_list->currentRow();
    const QString old = SelectedName();
    if (old.isEmpty())
        return;
    QString name = old;
    if (!AskName(QStringLiteral("Rechnungsdatei umbenennen..."), name) || name.trimmed().isEmpty())
        return;
    if (!NameIsUsable(name))
        return;

    const TAccFilePaths from = AccFilePaths(m_input.DataDirectory, old);
    const TAccFilePaths to = AccFilePaths(m_input.DataDirectory, name);
    if (!RenameAccFile(from, to)) {
        MessageDlg(this, QStringLiteral("Die Rechnungsdatei konnte nicht geändert werden!"), TMsgSymbol::Error);
        return;
    }
    m_list->item(row)->setText(name);
    if (SameAccFilePath(from.Invoices, m_accFileName))
        m_accFileName = to.Invoices;
}

void TFormAccManager::DeleteClick()
{
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    const TAccFilePaths paths = AccFilePaths(m_input.DataDirectory, name);
    if (SameAccFilePath(paths.Invoices, m_accFileName)) {
        MessageDlg(this, QStringLiteral("Die aktuelle Rechnungsdatei kann nicht entfernt werden!"),
                   TMsgSymbol::Information);
        return;
    }
    const QString question = QStringLiteral("Soll die folgende Rechnungsdatei entfernt werden?\n\n\"") + name
                             + QStringLiteral("\"\n\nAlle zu dieser Rechnung gehörenden Notizen und Dokumente")
                             + QStringLiteral(" werden ebenfalls gelöscht.");
    if (MessageDlg(this, question, TMsgSymbol::Question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    if (MessageDlg(this, QStringLiteral("Sind Sie sicher, dass die Rechnungsdatei gelöscht werden soll?"),
                   TMsgSymbol::Question, QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    if (!DeleteAccFile(paths)) {
        MessageDlg(this, QStringLiteral("Die Rechnungsdatei konnte nicht entfernt werden!"), TMsgSymbol::Error);
        return;
    }
    delete m_list->takeItem(m_list->currentRow());
}

void TFormAccManager::OpenClick()
{
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    m_chosenFile = AccFilePaths(m_input.DataDirectory, name).Invoices;
    accept();
}

void TFormAccManager::HelpClick()
{
    ShowHelp(this, m_input.HelpFile, m_list->count() == 0 ? HelpTopic::AccManagerEmpty : HelpTopic::AccManager);
}
