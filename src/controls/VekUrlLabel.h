#pragma once

#include "controls/VekLinkLabel.h"

// A link label that opens a web address; its caption starts as the address.
class TVekUrlLabel : public TVekLinkLabel
{
    Q_OBJECT

public:
    explicit TVekUrlLabel(QWidget *parent = nullptr);

    QString Url() const { return m_url; }
    // Changes the target only; the caption stays.
    void SetUrl(const QString &url) { m_url = url; }

protected:
    void Open() override;

private:
    QString m_url;
};
