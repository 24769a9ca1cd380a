#include "terms/AccDialog.h"

#include "controls/DialogParts.h"
#include "controls/TesselButton.h"
#include "controls/VistaGradPanel.h"
#include "shell/HelpTopics.h"
#include "shell/HelpWindow.h"

#include <QComboBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The widths of the invoice record's text fields.
constexpr int MaxNameLength = 60;
constexpr int MaxLegendLength = 100;

} // namespace

TAccDialog::TAccDialog(const QString &caption, const QString &name, const QString &legend, const QString &helpFile,
                       QWidget *parent)
    : QDialog(parent), m_comboName(new QComboBox(this)), m_editLegende(new QLineEdit(this)),
      m_timer(new QTimer(this)), m_name(name), m_legend(legend), m_helpFile(helpFile)
{
    PrepareDialog(*this, QStringLiteral("AccDialog"), caption, QSize(314, 201));

    auto *header = MakeDialogHeader(this,
                                    QStringLiteral("Bitte geben Sie in diesem Dialog einen eindeutigen "
                                                   "Rechnungsnamen und eine kurze Beschreibung ein."),
                                    QStringLiteral(":/icons/headers/invoice.svg"));
    // At the usual size this text needs a third line, which the 41-pixel
    // band cannot hold; a half point less keeps it on two.
    QFont headerFont = header->Font();
    headerFont.setPointSizeF(7.5);
    header->SetFont(headerFont);

    auto *labelName = new QLabel(QStringLiteral("Name der Rechnung:"), this);
    m_comboName->setObjectName(QStringLiteral("ComboName"));
    m_comboName->setEditable(true);
    // A typed name is the invoice's, not a new proposal.
    m_comboName->setInsertPolicy(QComboBox::NoInsert);
    m_comboName->lineEdit()->setMaxLength(MaxNameLength);
    m_comboName->addItems({QStringLiteral("Abfallgebühren"), QStringLiteral("Elternbeiträge Kindergarten"),
                           QStringLiteral("GEZ"), QStringLiteral("Grundsteuer"), QStringLiteral("Hundesteuer"),
                           QStringLiteral("Miete"), QStringLiteral("Strom"), QStringLiteral("Telefon"),
                           QStringLiteral("Versicherung"), QStringLiteral("Wasser")});
    // Adding the proposals put the first one into the field; the given name wins.
    m_comboName->setEditText(name);
    labelName->setBuddy(m_comboName);

    auto *labelLegend = new QLabel(QStringLiteral("Kurzbeschreibung:"), this);
    m_editLegende->setObjectName(QStringLiteral("EditLegende"));
    m_editLegende->setMaxLength(MaxLegendLength);
    m_editLegende->setText(legend);
    labelLegend->setBuddy(m_editLegende);

    const TDialogButtons dialogButtons = MakeDialogButtons(
        *this, QStringLiteral("OK"), [this] { ShowHelp(this, m_helpFile, HelpTopic::AccDialog); });
    m_btnOK = dialogButtons.OK;

    QHBoxLayout *buttons = dialogButtons.Row;

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 10, 12, 10);
    body->setSpacing(3);
    body->addWidget(labelName);
    body->addWidget(m_comboName);
    body->addSpacing(6);
    body->addWidget(labelLegend);
    body->addWidget(m_editLegende);
    body->addStretch();
    body->addLayout(buttons);

    StackHeaderAndBody(*this, header, body);

    // The timer catches every way the name can change, the text signal
    // answers at once while the user types.
    m_timer->setInterval(300);
    connect(m_timer, &QTimer::timeout, this, &TAccDialog::UpdateButtons);
    connect(m_comboName, &QComboBox::editTextChanged, this, &TAccDialog::UpdateButtons);
    UpdateButtons();
    m_comboName->setFocus();
}

void TAccDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_timer->start();
}

void TAccDialog::hideEvent(QHideEvent *event)
{
    m_timer->stop();
    QDialog::hideEvent(event);
}

void TAccDialog::UpdateButtons()
{
    // Blanks make a name too: only an empty field holds OK back.
    m_btnOK->setEnabled(!m_comboName->currentText().isEmpty());
}

void TAccDialog::accept()
{
    if (m_comboName->currentText().isEmpty())
        return;
    m_name = m_comboName->currentText();
    m_legend = m_editLegende->text();
    QDialog::accept();
}
