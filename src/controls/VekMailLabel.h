#pragma once

#include "controls/VekLinkLabel.h"

// A link label that writes a mail: it opens "mailto:" with its address in
// the desktop's mail program. Its caption starts as the address.
class TVekMailLabel : public TVekLinkLabel
{
    Q_OBJECT

public:
    explicit TVekMailLabel(QWidget *parent = nullptr);

    QString MailAdress() const { return m_mailAdress; }
    // Changes the target only; the caption stays.
    void SetMailAdress(const QString &address) { m_mailAdress = address; }

    // The address as a "mailto:" url, also when it is written with the prefix.
    QUrl MailUrl() const;

protected:
    void Open() override;

private:
    QString m_mailAdress;
};
