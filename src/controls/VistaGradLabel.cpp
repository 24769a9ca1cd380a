#include "controls/VistaGradLabel.h"

#include "controls/Painting.h"

#include <QFontMetrics>
#include <QPainter>

TVistaGradLabel::TVistaGradLabel(QWidget *parent)
    : QWidget(parent),
      m_caption(QStringLiteral("VistaGradLabel")),
      m_font(QStringLiteral("Verdana"), 9, QFont::Bold),
      m_fontColor(QColor(0xECF1F9)),
      m_startColor(QColor(0x5E92D0)),
      m_endColor(QColor(0x3472BC)),
      m_lineColor(QColor(0x1E406A))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 18);
    // A title strip keeps its height when a layout has room to spare.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAccessibleName(m_caption);
}

void TVistaGradLabel::SetCaption(const QString &caption)
{
    m_caption = caption;
    setAccessibleName(caption);
    NameBuddy();
    ApplyAutoSize();
    update();
}

void TVistaGradLabel::SetBuddy(QWidget *buddy)
{
    m_buddy = buddy;
    NameBuddy();
}

void TVistaGradLabel::SetFont(const QFont &font)
{
    m_font = font;
    ApplyAutoSize();
    update();
}

void TVistaGradLabel::SetFontColor(const QColor &color)
{
    m_fontColor = color;
    update();
}

void TVistaGradLabel::SetOrientation(TOrientation orientation)
{
    m_orientation = orientation;
    update();
}

void TVistaGradLabel::SetStartColor(const QColor &color)
{
    m_startColor = color;
    update();
}

void TVistaGradLabel::SetEndColor(const QColor &color)
{
    m_endColor = color;
    update();
}

void TVistaGradLabel::SetLineColor(const QColor &color)
{
    m_lineColor = color;
    update();
}

void TVistaGradLabel::SetLeftLine(bool on)
{
    m_lines.Left = on;
    update();
}

void TVistaGradLabel::SetRightLine(bool on)
{
    m_lines.Right = on;
    update();
}

void TVistaGradLabel::SetTopLine(bool on)
{
    m_lines.Top = on;
    update();
}

void TVistaGradLabel::SetButtomLine(bool on)
{
    m_lines.Bottom = on;
    update();
}

void TVistaGradLabel::SetAutoSize(bool on)
{
    if (m_autoSize && !on)
        setSizePolicy(QSizePolicy::Preferred, sizePolicy().verticalPolicy());
    m_autoSize = on;
    ApplyAutoSize();
    update();
}

QSize TVistaGradLabel::sizeHint() const
{
    return QSize(m_autoSize ? AutoWidth() : 100, 18);
}

void TVistaGradLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    FillVerticalGradient(painter, rect(), m_startColor, m_endColor);
    m_lines.Draw(painter, size(), m_lineColor);

    painter.setFont(m_font);
    const QFontMetrics metrics(m_font, this);
    const int textWidth = metrics.horizontalAdvance(m_caption);
    int x = 4;
    if (m_orientation == TOrientation::oCenter)
        x = width() / 2 - textWidth / 2;
    else if (m_orientation == TOrientation::oRight)
        x = width() - textWidth - 4;
    const int y = height() / 2 - metrics.height() / 2;
    painter.setPen(m_fontColor);
    painter.drawText(QPoint(x, y + metrics.ascent()), m_caption);
}

int TVistaGradLabel::AutoWidth() const
{
    return QFontMetrics(m_font, this).horizontalAdvance(m_caption) + 8;
}

void TVistaGradLabel::ApplyAutoSize()
{
    if (!m_autoSize)
        return;
    setSizePolicy(QSizePolicy::Fixed, sizePolicy().verticalPolicy());
    resize(AutoWidth(), height());
    updateGeometry();
}

void TVistaGradLabel::NameBuddy()
{
    if (m_buddy)
        m_buddy->setAccessibleName(m_caption);
}
