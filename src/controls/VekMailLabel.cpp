#include "controls/VekMailLabel.h"

TVekMailLabel::TVekMailLabel(QWidget *parent)
    : TVekLinkLabel(parent)
    , m_mailAdress(QStringLiteral("info@zandivo.de"))
{
    setText(m_mailAdress);
    setToolTip(QStringLiteral("Schreiben Sie uns eine E-Mail"));
}

QUrl TVekMailLabel::MailUrl() const
{
    const QLatin1String Scheme("mailto:");
    if (m_mailAdress.startsWith(Scheme, Qt::CaseInsensitive))
        return QUrl(m_mailAdress);
    return QUrl(Scheme + m_mailAdress);
}

void TVekMailLabel::Open()
{
    OpenTarget(MailUrl());
}
