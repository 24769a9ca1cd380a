#include "shell/FormInfo.h"

#include "controls/DialogParts.h"
#include "controls/TesselButton.h"
#include "controls/VekMailLabel.h"
#include "controls/VekUrlLabel.h"
#include "controls/VistaGradPanel.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TFormInfo::TFormInfo(QWidget *parent)
    : QDialog(parent)
{
    PrepareDialog(*this, QStringLiteral("FormInfo"), QStringLiteral("Information"), QSize(314, 201));
    auto *header = MakeDialogHeader(this, QStringLiteral("Zandivo – Rechnungen mit festen Zahlungsterminen verwalten."),
                                    QStringLiteral(":/icons/zandivo.svg"));

    auto *version = new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(ZANDIVO_VERSION)), this);
    version->setObjectName(QStringLiteral("LabelVersion"));
    auto *web = new TVekUrlLabel(this);
    web->setObjectName(QStringLiteral("UrlLabel"));
    auto *mail = new TVekMailLabel(this);
    mail->setObjectName(QStringLiteral("MailLabel"));

    auto *ok = MakeTextButton(this, QStringLiteral("btnOK"), QStringLiteral("OK"));
    ok->SetDefault(true);
    ok->SetCancel(true);
    ok->setFixedWidth(80);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 10, 12, 10);
    body->setSpacing(6);
    body->addWidget(version);
    body->addWidget(web);
    body->addWidget(mail);
    body->addStretch();
    body->addLayout(buttons);

    StackHeaderAndBody(*this, header, body);
}
