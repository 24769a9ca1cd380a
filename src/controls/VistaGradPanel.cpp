#include "controls/VistaGradPanel.h"

#include "calendar/DateUtils.h"
#include "controls/Painting.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <array>

namespace {

struct TGradColors
{
    QRgb Start;
    QRgb End;
    QRgb Line;
};

// Start, end and line colour of every preset, in the order of TGradStyle;
// gsDEFAULT is left out because it takes the panel's own colours.
constexpr std::array<TGradColors, 11> GradPresets = {{
    {0xDCEAFF, 0xB1D3FF, 0x4B5E7C}, // gsBLUE
    {0xEFE8CC, 0xF6CE6E, 0x4B5E7C}, // gsYELLOW
    {0xDCEFDF, 0x9BD2A4, 0x4B5E7C}, // gsGREEN
    {0xFADEDE, 0xF5BCBC, 0x4B5E7C}, // gsRED
    {0xE6E2DD, 0xCDC8BE, 0x4B5E7C}, // gsGRAY
    {0xEBECEE, 0xCBCDD3, 0x9FA9AF}, // gsSILVER
    {0xD8E8EB, 0xADCAD3, 0x959796}, // gsSAPHIR
    {0x6F9DD9, 0x3370C1, 0x4B5E7C}, // gsDARKBLUE
    {0xE69858, 0xD66920, 0x4B5E7C}, // gsORANGE
    {0x52A1BF, 0x206D9E, 0x4B5E7C}, // gsDARKGREEN
    {0x939496, 0x666666, 0x4B5E7C}, // gsDARKGRAY
}};

constexpr int ClockInterval = 1000;

QTime MinuteOf(const QTime &time)
{
    return QTime(time.hour(), time.minute());
}

} // namespace

TVistaGradPanel::TVistaGradPanel(QWidget *parent)
    : QWidget(parent),
      m_caption(QStringLiteral("VistaGradPanel")),
      m_font(QStringLiteral("MS Sans Serif"), 9, QFont::Bold),
      m_fontColor(Qt::black),
      m_startColor(QColor(0xDCEAFF)),
      m_endColor(QColor(0xB1D3FF)),
      m_lineColor(QColor(0x4B5E7C)),
      m_format(InitFormatSettings()),
      m_clockTimer(new QTimer(this))
{
    // The date part always shows a two-digit day.
    m_format.LongDateFormat = QStringLiteral("dddd, dd. MMMM yyyy");

    // Every pixel is painted here, so Qt need not erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 18);

    m_clockTimer->setObjectName(QStringLiteral("ClockTimer"));
    m_clockTimer->setInterval(ClockInterval);
    connect(m_clockTimer, &QTimer::timeout, this, &TVistaGradPanel::CheckClock);
    TextChanged();
}

void TVistaGradPanel::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    TextChanged();
}

void TVistaGradPanel::SetShowCaption(bool show)
{
    if (show == m_showCaption)
        return;
    m_showCaption = show;
    TextChanged();
}

void TVistaGradPanel::SetFont(const QFont &font)
{
    m_font = font;
    TextChanged();
}

void TVistaGradPanel::SetFontColor(const QColor &color)
{
    m_fontColor = color;
    LookChanged();
}

void TVistaGradPanel::SetGradStyle(TGradStyle style)
{
    m_gradStyle = style;
    LookChanged();
}

void TVistaGradPanel::SetGradOrientation(TGradOrientation orientation)
{
    m_gradOrientation = orientation;
    LookChanged();
}

void TVistaGradPanel::SetOrientation(TOrientation orientation)
{
    m_orientation = orientation;
    LookChanged();
}

void TVistaGradPanel::SetStartColor(const QColor &color)
{
    m_startColor = color;
    LookChanged();
}

void TVistaGradPanel::SetEndColor(const QColor &color)
{
    m_endColor = color;
    LookChanged();
}

void TVistaGradPanel::SetLineColor(const QColor &color)
{
    m_lineColor = color;
    LookChanged();
}

void TVistaGradPanel::SetLeftLine(bool on)
{
    m_lines.Left = on;
    LookChanged();
}

void TVistaGradPanel::SetRightLine(bool on)
{
    m_lines.Right = on;
    LookChanged();
}

void TVistaGradPanel::SetTopLine(bool on)
{
    m_lines.Top = on;
    LookChanged();
}

void TVistaGradPanel::SetButtomLine(bool on)
{
    m_lines.Bottom = on;
    LookChanged();
}

void TVistaGradPanel::SetAutoSize(bool on)
{
    if (m_autoSize && !on)
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_autoSize = on;
    ApplyAutoSize();
    LookChanged();
}

void TVistaGradPanel::SetAlign(TAlign align)
{
    m_align = align;
    ApplyAutoSize();
    LookChanged();
}

void TVistaGradPanel::SetWordBreak(bool on)
{
    m_wordBreak = on;
    LookChanged();
}

void TVistaGradPanel::SetPicIdle(const QImage &picture)
{
    m_picIdle = picture;
    m_picIdleKeyed = WithTopLeftTransparent(picture);
    ApplyAutoSize();
    LookChanged();
}

void TVistaGradPanel::SetShowDate(bool on)
{
    m_showDate = on;
    InfoSwitchChanged();
}

void TVistaGradPanel::SetShowKW(bool on)
{
    m_showKW = on;
    InfoSwitchChanged();
}

void TVistaGradPanel::SetShowTime(bool on)
{
    m_showTime = on;
    InfoSwitchChanged();
}

void TVistaGradPanel::SetClock(const TClock *clock)
{
    m_clock = clock ? clock : &m_ownClock;
    RememberShownMoment();
    TextChanged();
}

QString TVistaGradPanel::InfoText() const
{
    if (!m_showDate && !m_showKW && !m_showTime)
        return QString();
    const QDateTime now = m_clock->Now();
    QString text;
    if (m_showDate)
        text += m_format.FormatLongDate(now.date());
    if (m_showKW)
        text += QStringLiteral("  (%1. KW)").arg(IsoWeekNumber(now.date()));
    if (m_showTime)
        text += QStringLiteral("  ") + m_format.FormatTime(now.time(), false) + QStringLiteral(" Uhr");
    return text;
}

QSize TVistaGradPanel::sizeHint() const
{
    return m_autoSize ? AutoSizeFor() : QSize(100, 18);
}

QSize TVistaGradPanel::minimumSizeHint() const
{
    return m_autoSize ? AutoSizeFor() : QSize();
}

void TVistaGradPanel::CheckClock()
{
    const QDateTime now = m_clock->Now();
    if (now.date() == m_shownDate && MinuteOf(now.time()) == m_shownMinute)
        return;
    RememberShownMoment();
    TextChanged();
}

void TVistaGradPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = rect();

    QColor start = m_startColor;
    QColor end = m_endColor;
    QColor line = m_lineColor;
    if (m_gradStyle != TGradStyle::gsDEFAULT) {
        const TGradColors &preset = GradPresets[static_cast<std::size_t>(m_gradStyle)];
        start = QColor(preset.Start);
        end = QColor(preset.End);
        line = QColor(preset.Line);
    }
    switch (m_gradOrientation) {
    case TGradOrientation::goLeftToRigth:
        FillHorizontalGradient(painter, area, start, end);
        break;
    case TGradOrientation::goRightToLeft:
        FillHorizontalGradient(painter, area, end, start);
        break;
    case TGradOrientation::goTopToBottom:
        FillVerticalGradient(painter, area, start, end);
        break;
    case TGradOrientation::goBottomToTop:
        FillVerticalGradient(painter, area, end, start);
        break;
    }
    m_lines.Draw(painter, size(), line);

    if (!m_picIdleKeyed.isNull())
        painter.drawImage(3, height() / 2 - m_picIdleKeyed.height() / 2, m_picIdleKeyed);

    painter.setFont(m_font);
    painter.setPen(m_fontColor);
    const QFontMetrics metrics(m_font, this);
    const QString info = InfoText();
    if (!info.trimmed().isEmpty()) {
        const int x = width() - metrics.horizontalAdvance(info) - 4;
        const int y = height() / 2 - metrics.height() / 2 - 1;
        painter.drawText(QPoint(x, y + metrics.ascent()), info);
    }

    if (m_showCaption) {
        const int left = m_picIdle.isNull() ? 4 : m_picIdle.width() + 6;
        const QRect box(QPoint(left, 2), QPoint(width() - 4 - 1, height() - 2 - 1));
        int flags = Qt::AlignTop;
        switch (m_orientation) {
        case TOrientation::oLeft:
            flags |= Qt::AlignLeft;
            break;
        case TOrientation::oCenter:
            flags |= Qt::AlignHCenter;
            break;
        case TOrientation::oRight:
            flags |= Qt::AlignRight;
            break;
        }
        if (m_wordBreak)
            flags |= Qt::TextWordWrap;
        // Without a mnemonic flag Qt draws "&" as it stands.
        painter.drawText(box, flags, m_caption);
    }
}

void TVistaGradPanel::LookChanged()
{
    update();
}

void TVistaGradPanel::TextChanged()
{
    QStringList shown;
    if (m_showCaption && !m_caption.trimmed().isEmpty())
        shown << m_caption;
    const QString info = InfoText().trimmed();
    if (!info.isEmpty())
        shown << info;
    const QString name = shown.join(QLatin1Char(' '));
    if (name != accessibleName())
        setAccessibleName(name);
    ApplyAutoSize();
    update();
}

void TVistaGradPanel::InfoSwitchChanged()
{
    const bool running = m_showDate || m_showKW || m_showTime;
    if (running && !m_clockTimer->isActive())
        m_clockTimer->start();
    else if (!running)
        m_clockTimer->stop();
    RememberShownMoment();
    TextChanged();
}

void TVistaGradPanel::RememberShownMoment()
{
    const QDateTime now = m_clock->Now();
    m_shownDate = now.date();
    m_shownMinute = MinuteOf(now.time());
}

QSize TVistaGradPanel::AutoSizeFor() const
{
    const QFontMetrics metrics(m_font, this);
    int textWidth = m_showCaption ? metrics.horizontalAdvance(m_caption) : 0;
    const QString info = InfoText();
    if (!info.isEmpty())
        textWidth += metrics.horizontalAdvance(info);
    const bool hasPicture = !m_picIdle.isNull();
    const int contentHeight = std::max(metrics.height(), hasPicture ? m_picIdle.height() : 0);
    const int width = textWidth + (hasPicture ? m_picIdle.width() + 16 : 10);
    return QSize(width, contentHeight + 4);
}

void TVistaGradPanel::ApplyAutoSize()
{
    if (!m_autoSize)
        return;
    const bool setsWidth = m_align == TAlign::alNone || m_align == TAlign::alLeft || m_align == TAlign::alRight;
    const bool setsHeight = m_align == TAlign::alNone || m_align == TAlign::alTop || m_align == TAlign::alBottom;
    // In a layout the content decides the dimensions auto size owns.
    setSizePolicy(setsWidth ? QSizePolicy::Fixed : QSizePolicy::Preferred,
                  setsHeight ? QSizePolicy::Fixed : QSizePolicy::Preferred);
    const QSize wanted = AutoSizeFor();
    QRect frame = geometry();
    // A panel docked right or bottom grows away from its edge.
    if (setsWidth) {
        if (m_align == TAlign::alRight)
            frame.setLeft(frame.right() + 1 - wanted.width());
        else
            frame.setWidth(wanted.width());
    }
    if (setsHeight) {
        if (m_align == TAlign::alBottom)
            frame.setTop(frame.bottom() + 1 - wanted.height());
        else
            frame.setHeight(wanted.height());
    }
    if (frame != geometry())
        setGeometry(frame);
    updateGeometry();
}
