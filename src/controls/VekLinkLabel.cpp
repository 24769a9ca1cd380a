#include "controls/VekLinkLabel.h"

#include "shell/MessageDialogs.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

TVekLinkLabel::TVekLinkLabel(QWidget *parent)
    : TVekLinkLabel(QString(), parent)
{
}

TVekLinkLabel::TVekLinkLabel(const QString &caption, QWidget *parent)
    : QLabel(parent)
    , m_opener([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    // "&" and "<" are shown as they are.
    setTextFormat(Qt::PlainText);
    setText(caption);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    setPalette(pal);
    QFont regular = font();
    regular.setBold(false);
    regular.setItalic(false);
    regular.setUnderline(false);
    setFont(regular);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void TVekLinkLabel::SetOpener(TOpener opener)
{
    m_opener = std::move(opener);
}

void TVekLinkLabel::Activate()
{
    emit clicked();
    Open();
}

void TVekLinkLabel::OpenTarget(const QUrl &url)
{
    if (m_opener && m_opener(url))
        return;
    MessageDlg(this, QStringLiteral("Das externe Programm konnte nicht gestartet werden!"), TMsgSymbol::Error);
}

void TVekLinkLabel::SetUnderline(bool on)
{
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void TVekLinkLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    SetUnderline(true);
}

void TVekLinkLabel::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    SetUnderline(false);
}

void TVekLinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    event->accept();
}

void TVekLinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    const bool click = m_pressed && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Activate();
}

void TVekLinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() & ~Qt::KeypadModifier)
            break;
        event->accept();
        Activate();
        return;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void TVekLinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Keyboard users see where the focus is.
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
