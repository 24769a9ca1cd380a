#include "controls/VekUrlLabel.h"

TVekUrlLabel::TVekUrlLabel(QWidget *parent)
    : TVekLinkLabel(parent)
    , m_url(QStringLiteral("https://www.zandivo.de"))
{
    setText(m_url);
    setToolTip(QStringLiteral("Besuchen Sie die Zandivo-Webseite"));
}

void TVekUrlLabel::Open()
{
    OpenTarget(QUrl(m_url));
}
