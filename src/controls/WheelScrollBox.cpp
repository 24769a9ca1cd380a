#include "controls/WheelScrollBox.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

TWheelScrollBox::TWheelScrollBox(QWidget *parent)
    : QScrollArea(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);

    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    resize(400, 300);

    // The scroll bars are part of the box: the wheel over them scrolls the
    // same 60 pixels a notch.
    verticalScrollBar()->installEventFilter(this);
    horizontalScrollBar()->installEventFilter(this);
}

QSize TWheelScrollBox::sizeHint() const
{
    return {400, 300};
}

void TWheelScrollBox::ActivateMouseScroll()
{
    m_mouseScroll = true;
    m_wheelRest = 0;
}

void TWheelScrollBox::DeactivateMouseScroll()
{
    m_mouseScroll = false;
    m_wheelRest = 0;
}

bool TWheelScrollBox::eventFilter(QObject *watched, QEvent *event)
{
    if (m_mouseScroll && event->type() == QEvent::Wheel
        && (watched == verticalScrollBar() || watched == horizontalScrollBar())) {
        wheelEvent(static_cast<QWheelEvent *>(event));
        return event->isAccepted();
    }
    return QScrollArea::eventFilter(watched, event);
}

void TWheelScrollBox::keyPressEvent(QKeyEvent *event)
{
    QScrollBar *vertical = verticalScrollBar();
    QScrollBar *horizontal = horizontalScrollBar();
    const int page = viewport()->height();
    // The scroll bars clamp every value to their range, so a page beyond
    // the end lands on the end.
    switch (event->key()) {
    case Qt::Key_Up:
        vertical->setValue(vertical->value() - KeyStep);
        break;
    case Qt::Key_Down:
        vertical->setValue(vertical->value() + KeyStep);
        break;
    case Qt::Key_Left:
        horizontal->setValue(horizontal->value() - KeyStep);
        break;
    case Qt::Key_Right:
        horizontal->setValue(horizontal->value() + KeyStep);
        break;
    case Qt::Key_PageUp:
        vertical->setValue(vertical->value() - page);
        break;
    case Qt::Key_PageDown:
        vertical->setValue(vertical->value() + page);
        break;
    case Qt::Key_Home:
        vertical->setValue(vertical->minimum());
        break;
    case Qt::Key_End:
        vertical->setValue(vertical->maximum());
        break;
    default:
        QScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TWheelScrollBox::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (!m_mouseScroll || delta == 0) {
        event->ignore();
        return;
    }
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    m_wheelRest += delta;
    const int notches = m_wheelRest / QWheelEvent::DefaultDeltasPerStep;
    m_wheelRest -= notches * QWheelEvent::DefaultDeltasPerStep;
    // A positive delta is the wheel turned away from the user: upwards.
    QScrollBar *vertical = verticalScrollBar();
    vertical->setValue(vertical->value() - notches * NotchStep);
    event->accept();
}
