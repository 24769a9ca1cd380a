#include "controls/TesselTab.h"

#include "controls/Painting.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

namespace {

constexpr int TabHeight = 20;

// The two gradients of a tab: A1 → A2 over one third, B1 → B2 over the rest.
struct TTabColors
{
    QRgb A1;
    QRgb A2;
    QRgb B1;
    QRgb B2;
};

constexpr TTabColors InactiveColors{0xCFE2D8, 0xB6D1C0, 0x9BC1AA, 0xC2DACB};
constexpr TTabColors ActiveColors{0xEBE8DA, 0xDEDAC7, 0xCBC4A5, 0xE6E2D2};
constexpr TTabColors HoverColors{0xE8F0EC, 0xCFE2D8, 0xB6D1C0, 0xDBEAE2};

constexpr QRgb ActiveOutline = 0x8C8560;
constexpr QRgb InactiveOutline = 0x668E74;

} // namespace

TTesselTab::TTesselTab(int index, QWidget *strip)
    : QAbstractButton(strip),
      m_index(index)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    FitWidth();
}

void TTesselTab::SetCaption(const QString &caption)
{
    m_caption = caption;
    setAccessibleName(caption);
    FitWidth();
    update();
}

void TTesselTab::SetActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    update();
    QAccessible::State changed;
    changed.checked = true;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void TTesselTab::SetStyle(TStyle style)
{
    m_style = style;
    update();
}

void TTesselTab::SetSymbol(const QImage &symbol)
{
    m_symbol = symbol;
    m_symbolKeyed = WithTopLeftTransparent(symbol);
    FitWidth();
    update();
}

int TTesselTab::GetTabWidth() const
{
    return BoldCaptionWidth() + 10 + m_symbol.width() + 6;
}

QSize TTesselTab::sizeHint() const
{
    return QSize(GetTabWidth() - 2, TabHeight);
}

void TTesselTab::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const int third = h / 3;

    const TTabColors &colors = m_active ? ActiveColors : (m_hover ? HoverColors : InactiveColors);
    if (m_active || m_hover) {
        FillVerticalGradient(painter, QRect(0, 0, w, third), QColor(colors.A1), QColor(colors.A2));
        FillVerticalGradient(painter, QRect(0, third, w, h - third), QColor(colors.B1), QColor(colors.B2));
    } else {
        FillVerticalGradient(painter, QRect(0, 0, w, h - third), QColor(colors.B1), QColor(colors.B2));
        FillVerticalGradient(painter, QRect(0, h - third, w, third), QColor(colors.A2), QColor(colors.A1));
    }

    // The active tab has no edge towards its page, so that it opens onto it.
    painter.setPen(QPen(QColor(m_active ? ActiveOutline : InactiveOutline), 1));
    painter.drawLine(0, 0, 0, h - 1);
    painter.drawLine(w - 1, 0, w - 1, h - 1);
    if (!(m_active && m_style == TStyle::sBottomToTop))
        painter.drawLine(0, 0, w - 1, 0);
    if (!(m_active && m_style == TStyle::sTopToBottom))
        painter.drawLine(0, h - 1, w - 1, h - 1);

    if (!m_symbolKeyed.isNull())
        painter.drawImage(4, h / 2 - m_symbolKeyed.height() / 2, m_symbolKeyed);

    if (!m_caption.isEmpty()) {
        QFont captionFont = font();
        captionFont.setBold(m_active);
        painter.setFont(captionFont);
        const QFontMetrics metrics(captionFont);
        const int x = m_symbol.width() + 8;
        const int y = h / 2 - metrics.height() / 2;
        painter.setPen(Qt::black);
        painter.drawText(QPoint(x, y + metrics.ascent()), m_caption);
    }

    // The strip holds the keyboard focus for its tabs; the active tab shows it.
    if (m_active && parentWidget() && parentWidget()->hasFocus()) {
        painter.setPen(QPen(QColor(ActiveOutline), 1, Qt::DotLine));
        painter.drawRect(2, 2, w - 5, h - 5);
    }
}

void TTesselTab::enterEvent(QEnterEvent *event)
{
    SetHover(true);
    emit MouseEntered();
    QAbstractButton::enterEvent(event);
}

void TTesselTab::leaveEvent(QEvent *event)
{
    SetHover(false);
    emit MouseLeft();
    QAbstractButton::leaveEvent(event);
}

void TTesselTab::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        FitWidth();
    QAbstractButton::changeEvent(event);
}

int TTesselTab::BoldCaptionWidth() const
{
    QFont bold = font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(m_caption);
}

void TTesselTab::FitWidth()
{
    resize(GetTabWidth() - 2, TabHeight);
}

void TTesselTab::SetHover(bool hover)
{
    m_hover = hover;
    update();
}
