#pragma once

#include "controls/BorderLines.h"
#include "controls/ControlEnums.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QString>
#include <QWidget>

// The gradient title strip above lists and panes. Its caption is its
// accessible name, and also that of the widget it titles (its buddy), so
// that a screen reader names the list by its heading.
class TVistaGradLabel : public QWidget
{
    Q_OBJECT

public:
    explicit TVistaGradLabel(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);

    // The widget this label heads; it carries the caption as its name.
    QWidget *Buddy() const { return m_buddy; }
    void SetBuddy(QWidget *buddy);

    const QFont &Font() const { return m_font; }
    void SetFont(const QFont &font);
    QColor FontColor() const { return m_fontColor; }
    void SetFontColor(const QColor &color);

    TOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TOrientation orientation);

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

    // With AutoSize the width follows the caption; the height stays.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int AutoWidth() const;
    void ApplyAutoSize();
    void NameBuddy();

    QString m_caption;
    QPointer<QWidget> m_buddy;
    QFont m_font;
    QColor m_fontColor;
    TOrientation m_orientation = TOrientation::oCenter;
    QColor m_startColor;
    QColor m_endColor;
    QColor m_lineColor;
    TBorderLines m_lines;
    bool m_autoSize = false;
};
