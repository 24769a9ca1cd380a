#include "controls/TesselButton.h"

#include "controls/Painting.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

namespace {

struct TFaceColors
{
    QRgb C1, C2, C3, C4, Focus;
};

// A disabled button never has the focus; its focus colour is never drawn.
constexpr TFaceColors DisabledFace{0xD9D9D9, 0xC1C1C1, 0xC1C1C1, 0xD9D9D9, 0xD9D9D9};
constexpr TFaceColors PressedFace{0xCFE2D8, 0xB6D1C0, 0x9BC1AA, 0xC2DACB, 0x668E74};
constexpr TFaceColors HoverFace{0xE8F0EC, 0xCFE2D8, 0xB6D1C0, 0xDBEAE2, 0x7EA38B};
constexpr TFaceColors NormalFace{0xEBE8DA, 0xDEDAC7, 0xCBC4A5, 0xE6E2D2, 0xA39A78};
constexpr QRgb FrameColor = 0x51715C;
constexpr QRgb DisabledText = 0x808080;
constexpr int EdgeRadius = 4;

// The text a caption shows: "&x" becomes "x", "&&" becomes "&".
QString WithoutMnemonic(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

} // namespace

TTesselButton::TTesselButton(QWidget *parent)
    : TTesselButton(QString(), parent)
{
}

TTesselButton::TTesselButton(const QString &caption, QWidget *parent)
    : QPushButton(parent)
{
    // Enter on the focused button clicks it, inside a dialog or not.
    setAutoDefault(true);
    setFocusPolicy(Qt::StrongFocus);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    resize(120, 22);
    SetCaption(caption);
}

TTesselButton::~TTesselButton()
{
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
}

void TTesselButton::SetCaption(const QString &caption)
{
    setText(caption);
    QString spoken = caption;
    const qsizetype split = spoken.indexOf(u'#');
    if (split >= 0)
        spoken[split] = u' ';
    setAccessibleName(WithoutMnemonic(spoken));
    update();
}

void TTesselButton::SetDowned(bool on)
{
    m_downed = on;
    update();
}

void TTesselButton::SetDefault(bool on)
{
    m_default = on;
    // Lets a QDialog know its default button, and screen readers too.
    setDefault(on);
    WatchWindow();
    update();
}

void TTesselButton::SetCancel(bool on)
{
    m_cancel = on;
    WatchWindow();
}

void TTesselButton::SetShowFrame(bool on)
{
    m_showFrame = on;
    UpdateShape();
    update();
}

void TTesselButton::SetRoundEdge(bool on)
{
    m_roundEdge = on;
    UpdateShape();
    update();
}

// With round corners the button is shaped like its frame, so the pixels
// outside the corners show what lies behind it and take no clicks.
void TTesselButton::UpdateShape()
{
    if (!(m_showFrame && m_roundEdge) || width() <= 0 || height() <= 0) {
        clearMask();
        return;
    }
    QImage shape(size(), QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    QPainter painter(&shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0, 0, -1, -1), EdgeRadius, EdgeRadius);
    DrawRoundFrame(painter, rect(), EdgeRadius, Qt::black);
    painter.end();
    setMask(QBitmap::fromImage(shape.createAlphaMask()));
}

void TTesselButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    UpdateShape();
}

void TTesselButton::SetPicIdle(const QImage &picture)
{
    m_picIdle = picture;
    update();
}

bool TTesselButton::TabStop() const
{
    return focusPolicy() & Qt::TabFocus;
}

void TTesselButton::SetTabStop(bool on)
{
    setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
    update();
}

QSize TTesselButton::sizeHint() const
{
    return {120, 22};
}

// Enter and Esc reach the window only when the focused control did not take
// them; the window's filter then hands them to the Default or Cancel button.
void TTesselButton::WatchWindow()
{
    QWidget *target = (m_default || m_cancel) ? window() : nullptr;
    if (target == this)
        target = nullptr;
    if (target == m_watchedWindow)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = target;
    if (target != nullptr)
        target->installEventFilter(this);
}

bool TTesselButton::TakeDialogKey(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier || !isVisible())
        return false;
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    const bool escape = key.key() == Qt::Key_Escape;
    if (!(enter && m_default) && !(escape && m_cancel))
        return false;
    // A disabled button swallows the key, so that no other button and no
    // dialog default acts on it.
    if (isEnabled()) {
        if (focusPolicy() != Qt::NoFocus)
            setFocus(Qt::OtherFocusReason);
        click();
    }
    return true;
}

bool TTesselButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::KeyPress
        && TakeDialogKey(*static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QPushButton::eventFilter(watched, event);
}

bool TTesselButton::event(QEvent *event)
{
    const bool handled = QPushButton::event(event);
    // A new parent, or an ancestor moved into another window, changes the
    // window that carries the Enter and Esc keys.
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::Show)
        WatchWindow();
    return handled;
}

void TTesselButton::enterEvent(QEnterEvent *event)
{
    QPushButton::enterEvent(event);
    m_over = true;
    update();
    emit MouseEnter();
}

void TTesselButton::leaveEvent(QEvent *event)
{
    QPushButton::leaveEvent(event);
    m_over = false;
    update();
    emit MouseLeave();
}

void TTesselButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled()) {
        if (!hasFocus() && focusPolicy() != Qt::NoFocus)
            setFocus(Qt::MouseFocusReason);
        m_held = true;
        update();
    }
    QPushButton::mousePressEvent(event);
}

void TTesselButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_held = false;
        update();
    }
    QPushButton::mouseReleaseEvent(event);
}

void TTesselButton::mouseMoveEvent(QMouseEvent *event)
{
    // While the button is held the mouse is grabbed; the over flag follows
    // the pointer so that the face turns back to normal outside.
    if (m_held) {
        const bool over = rect().contains(event->position().toPoint());
        if (over != m_over) {
            m_over = over;
            update();
        }
    }
    QPushButton::mouseMoveEvent(event);
}

void TTesselButton::paintEvent(QPaintEvent *)
{
    const bool pressed = m_downed || (m_held && m_over) || isDown();
    const TFaceColors &face = !isEnabled() ? DisabledFace
                              : pressed    ? PressedFace
                              : m_over     ? HoverFace
                                           : NormalFace;
    const int w = width();
    const int h = height();
    const int t = h - h / 2;

    QPainter painter(this);
    const QRect upper(0, 0, w, t);
    const QRect lower(0, t, w, h - t);
    if (pressed) {
        FillVerticalGradient(painter, upper, QColor(face.C3), QColor(face.C4));
        FillVerticalGradient(painter, lower, QColor(face.C2), QColor(face.C1));
    } else {
        FillVerticalGradient(painter, upper, QColor(face.C1), QColor(face.C2));
        FillVerticalGradient(painter, lower, QColor(face.C3), QColor(face.C4));
    }

    const QString caption = text();
    int pictureWidth = 0;
    if (!m_picIdle.isNull()) {
        QImage picture = WithTopLeftTransparent(m_picIdle);
        if (!isEnabled())
            picture = GreyImage(picture);
        pictureWidth = picture.width();
        const int x = caption.isEmpty() ? w / 2 - pictureWidth / 2 : 4;
        painter.drawImage(x, h / 2 - picture.height() / 2, picture);
    }

    if (!caption.isEmpty()) {
        painter.setFont(font());
        painter.setPen(isEnabled() ? QColor(Qt::black) : QColor(DisabledText));
        const QFontMetrics metrics(font());
        const int textHeight = metrics.height();
        const int centre = pictureWidth > 0 ? (w - pictureWidth - 6) / 2 + pictureWidth + 6 : w / 2;
        const int mnemonic =
            style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this) ? Qt::TextShowMnemonic : Qt::TextHideMnemonic;
        const auto drawLine = [&](const QString &line, int top) {
            const int lineWidth = metrics.horizontalAdvance(WithoutMnemonic(line));
            const QRect box(centre - lineWidth / 2, top, lineWidth, textHeight);
            painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip | mnemonic, line);
        };
        const qsizetype split = caption.indexOf(u'#');
        if (split < 0) {
            drawLine(caption, h / 2 - textHeight / 2 - 1);
        } else {
            drawLine(caption.left(split), h / 2 - textHeight - 1);
            drawLine(caption.mid(split + 1), h / 2 - 1);
        }
    }

    if (!m_showFrame)
        return;
    const auto frame = [&](const QRect &r, const QColor &color) {
        if (m_roundEdge) {
            DrawRoundFrame(painter, r, EdgeRadius, color);
        } else {
            painter.setPen(color);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        }
    };
    frame(rect(), QColor(FrameColor));
    if (hasFocus() && isEnabled() && TabStop())
        frame(rect().adjusted(1, 1, -1, -1), QColor(face.Focus));
}
