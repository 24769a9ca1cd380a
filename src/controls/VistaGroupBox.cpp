#include "controls/VistaGroupBox.h"

#include "controls/ControlAccessibility.h"
#include "controls/Painting.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int FrameInset = 6;
constexpr int FrameRadius = 4;

} // namespace

TVistaGroupBox::TVistaGroupBox(QWidget *parent)
    : QWidget(parent),
      m_font(QStringLiteral("Tahoma"), 8, QFont::Bold),
      m_color(QColor(0xEBE9E2)),
      m_frameColor(QColor(0x4B5E7C)),
      m_focusColor(QColor(0xE27200)),
      m_disableColor(QColor(0x7A889E))
{
    InstallControlAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
    // Children laid out by a layout stay inside the frame and below the caption.
    setContentsMargins(FrameInset + 4, FrameInset + 10, FrameInset + 4, FrameInset + 4);
    resize(200, 200);
    // The focus may land on any child; the frame shows that it is in here.
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { FocusMoved(now); });
}

void TVistaGroupBox::SetCaption(const QString &caption)
{
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void TVistaGroupBox::SetFont(const QFont &font)
{
    m_font = font;
    update();
}

void TVistaGroupBox::SetColor(const QColor &color)
{
    m_color = color;
    update();
}

void TVistaGroupBox::SetFrameColor(const QColor &color)
{
    m_frameColor = color;
    update();
}

void TVistaGroupBox::SetFocusColor(const QColor &color)
{
    m_focusColor = color;
    update();
}

void TVistaGroupBox::SetDisableColor(const QColor &color)
{
    m_disableColor = color;
    update();
}

QSize TVistaGroupBox::sizeHint() const
{
    return layout() ? QWidget::sizeHint() : QSize(200, 200);
}

void TVistaGroupBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    const QColor frame = CurrentFrameColor();
    DrawRoundFrame(painter, rect().adjusted(FrameInset, FrameInset, -FrameInset, -FrameInset), FrameRadius, frame);

    if (m_caption.trimmed().isEmpty())
        return;
    painter.setFont(m_font);
    const QFontMetrics metrics(m_font, this);
    const int textWidth = metrics.horizontalAdvance(m_caption);
    const int textHeight = metrics.height();
    // The frame line is cut open under the caption.
    painter.fillRect(QRect(QPoint(12, 0), QPoint(textWidth + 20 - 1, 10 - 1)), m_color);
    const int y = textHeight / 2 < 7 ? 6 - textHeight / 2 : 0;
    painter.setPen(frame);
    painter.drawText(QPoint(16, y + metrics.ascent()), m_caption);
}

void TVistaGroupBox::mousePressEvent(QMouseEvent *event)
{
    // Qt delivers no mouse events to a disabled box, so it never takes the
    // focus that way.
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        update();
        m_pressed = true;
    }
    QWidget::mousePressEvent(event);
}

void TVistaGroupBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        emit Clicked();
}

void TVistaGroupBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

void TVistaGroupBox::FocusMoved(QWidget *now)
{
    const bool inside = now && (now == this || isAncestorOf(now));
    if (inside == m_focused)
        return;
    m_focused = inside;
    update();
    if (inside)
        emit Focused();
}

QColor TVistaGroupBox::CurrentFrameColor() const
{
    if (!isEnabled())
        return m_disableColor;
    return m_focused ? m_focusColor : m_frameColor;
}
