#include "files/FormAccEdit.h"

#include "controls/DialogParts.h"
#include "controls/TesselButton.h"
#include "controls/VistaGradLabel.h"
#include "controls/VistaGradPanel.h"
#include "files/AccFileStore.h"
#include "shell/HelpTopics.h"
#include "shell/HelpWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

TFormAccEdit::TFormAccEdit(const QString &caption, const QString &proposal, QDate today, const QString &helpFile,
                           QWidget *parent)
    : QDialog(parent), m_comboAccName(new QComboBox(this)), m_helpFile(helpFile)
{
    PrepareDialog(*this, QStringLiteral("FormAccEdit"),
                  caption.isEmpty() ? QStringLiteral("Rechnungsdatei") : caption, QSize(314, 171));

    auto *header = MakeDialogHeader(this,
                                    QStringLiteral("Bitte geben Sie in diesem Dialog einen eindeutigen Namen für die "
                                                   "Rechnungsdatei ohne Extension an."),
                                    QStringLiteral(":/icons/headers/acc-manager.svg"));

    auto *label = new QLabel(QStringLiteral("Name der Rechnungsdatei:"), this);
    m_comboAccName->setObjectName(QStringLiteral("ComboAccName"));
    m_comboAccName->setEditable(true);
    m_comboAccName->setInsertPolicy(QComboBox::NoInsert);
    m_comboAccName->lineEdit()->setMaxLength(MaxAccFileNameLength);
    m_comboAccName->addItem(QStringLiteral("Rechnungen %1").arg(today.year()));
    m_comboAccName->addItem(QStringLiteral("Rechnungen %1").arg(today.addMonths(12).year()));
    m_comboAccName->setEditText(proposal);
    label->setBuddy(m_comboAccName);

    const TDialogButtons dialogButtons = MakeDialogButtons(
        *this, QStringLiteral("OK"), [this] { ShowHelp(this, m_helpFile, HelpTopic::AccManager); });
    m_btnOK = dialogButtons.OK;

    QHBoxLayout *buttons = dialogButtons.Row;

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 10, 12, 10);
    body->addWidget(label);
    body->addWidget(m_comboAccName);
    body->addStretch();
    body->addLayout(buttons);

    StackHeaderAndBody(*this, header, body);

    // The OK button follows the text, as the user types or picks.
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &TFormAccEdit::UpdateButtons);
    timer->start(300);
    connect(m_comboAccName, &QComboBox::editTextChanged, this, &TFormAccEdit::UpdateButtons);
    UpdateButtons();
    m_comboAccName->setFocus();
}

void TFormAccEdit::UpdateButtons()
{
    m_btnOK->setEnabled(!m_comboAccName->currentText().isEmpty());
}

void TFormAccEdit::accept()
{
    if (m_comboAccName->currentText().isEmpty())
        return;
    m_name = m_comboAccName->currentText();
    QDialog::accept();
}
