#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

// A framed group of controls with a caption. The frame lights up in
// FocusColor while the focus is on the box or on anything inside it, and
// turns DisableColor when the box is disabled (QWidget's enabled state, so
// that its children and assistive tools follow).
class TVistaGroupBox : public QWidget
{
    Q_OBJECT

public:
    explicit TVistaGroupBox(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);

    // The caption's font; the controls in the box keep their own.
    const QFont &Font() const { return m_font; }
    void SetFont(const QFont &font);

    QColor Color() const { return m_color; }
    void SetColor(const QColor &color);
    QColor FrameColor() const { return m_frameColor; }
    void SetFrameColor(const QColor &color);
    QColor FocusColor() const { return m_focusColor; }
    void SetFocusColor(const QColor &color);
    QColor DisableColor() const { return m_disableColor; }
    void SetDisableColor(const QColor &color);

    // True while the focus is on the box or inside it.
    bool IsFocused() const { return m_focused; }

    QSize sizeHint() const override;

signals:
    // The focus has entered the box.
    void Focused();
    // The box itself was clicked (after it took the focus).
    void Clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void FocusMoved(QWidget *now);
    QColor CurrentFrameColor() const;

    QString m_caption;
    QFont m_font;
    QColor m_color;
    QColor m_frameColor;
    QColor m_focusColor;
    QColor m_disableColor;
    bool m_focused = false;
    bool m_pressed = false;
};
