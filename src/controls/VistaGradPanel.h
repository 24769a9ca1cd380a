#pragma once

#include "calendar/FormatSettings.h"
#include "controls/BorderLines.h"
#include "controls/ControlEnums.h"
#include "shell/Clock.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QImage>
#include <QString>
#include <QTime>
#include <QWidget>

class QTimer;

// The gradient panel: header and button bar of the dialogs and the status
// fields of the main window. It paints its caption itself and can show the
// date, the calendar week and the time on the right, following the clock.
// What it shows (caption and date text) is its accessible name.
class TVistaGradPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TVistaGradPanel(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    bool ShowCaption() const { return m_showCaption; }
    void SetShowCaption(bool show);

    // The caption's font. It is the panel's own and is not handed down to
    // the controls placed on the panel.
    const QFont &Font() const { return m_font; }
    void SetFont(const QFont &font);
    QColor FontColor() const { return m_fontColor; }
    void SetFontColor(const QColor &color);

    TGradStyle GradStyle() const { return m_gradStyle; }
    void SetGradStyle(TGradStyle style);
    TGradOrientation GradOrientation() const { return m_gradOrientation; }
    void SetGradOrientation(TGradOrientation orientation);
    TOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TOrientation orientation);

    // Used by gsDEFAULT only.
    QColor StartColor() const { return m_startColor; }
    void SetStartColor(const QColor &color);
    QColor EndColor() const { return m_endColor; }
    void SetEndColor(const QColor &color);
    QColor LineColor() const { return m_lineColor; }
    void SetLineColor(const QColor &color);

    bool LeftLine() const { return m_lines.Left; }
    void SetLeftLine(bool on);
    bool RightLine() const { return m_lines.Right; }
    void SetRightLine(bool on);
    bool TopLine() const { return m_lines.Top; }
    void SetTopLine(bool on);
    bool ButtomLine() const { return m_lines.Bottom; }
    void SetButtomLine(bool on);

    // With AutoSize the panel takes the size of its text and picture, in
    // the dimensions its Align leaves free.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);
    TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);

    bool WordBreak() const { return m_wordBreak; }
    void SetWordBreak(bool on);

    // Drawn at the left with its top-left pixel's colour transparent.
    const QImage &PicIdle() const { return m_picIdle; }
    void SetPicIdle(const QImage &picture);

    bool ShowDate() const { return m_showDate; }
    void SetShowDate(bool on);
    bool ShowKW() const { return m_showKW; }
    void SetShowKW(bool on);
    bool ShowTime() const { return m_showTime; }
    void SetShowTime(bool on);

    // The clock the date and time come from; the panel's own one until set.
    // A clock set here must outlive the panel or be replaced first.
    void SetClock(const TClock *clock);
    const TClock &Clock() const { return *m_clock; }

    // "Donnerstag, 09. November 2017  (45. KW)  14:05 Uhr", each part only
    // while its switch is on; empty with all three off.
    QString InfoText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    // Runs every second while a date or time part is shown: repaints once
    // the shown date or minute has moved on.
    void CheckClock();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void LookChanged();
    void TextChanged();
    void InfoSwitchChanged();
    void RememberShownMoment();
    QSize AutoSizeFor() const;
    void ApplyAutoSize();

    QString m_caption;
    bool m_showCaption = true;
    QFont m_font;
    QColor m_fontColor;
    TGradStyle m_gradStyle = TGradStyle::gsBLUE;
    TGradOrientation m_gradOrientation = TGradOrientation::goLeftToRigth;
    TOrientation m_orientation = TOrientation::oLeft;
    QColor m_startColor;
    QColor m_endColor;
    QColor m_lineColor;
    TBorderLines m_lines;
    bool m_autoSize = false;
    TAlign m_align = TAlign::alNone;
    bool m_wordBreak = false;
    QImage m_picIdle;
    QImage m_picIdleKeyed;
    bool m_showDate = false;
    bool m_showKW = false;
    bool m_showTime = false;

    TFormatSettings m_format;
    TClock m_ownClock;
    const TClock *m_clock = &m_ownClock;
    QTimer *m_clockTimer = nullptr;
    QDate m_shownDate;
    QTime m_shownMinute;
};
