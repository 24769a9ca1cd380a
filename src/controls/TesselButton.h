#pragma once

#include <QImage>
#include <QPointer>
#include <QPushButton>

// The painted push button of the dialogs: a two-part gradient face in four
// colour states, an optional picture, a caption of one line or two (split
// at the first "#"), a dark green frame with round corners and a focus
// frame. Keyboard, focus, "&" shortcuts and accessibility are
// QPushButton's. Default and Cancel make Enter and Esc anywhere in the
// button's window press it, unless the focused control takes the key.
class TTesselButton : public QPushButton
{
    Q_OBJECT

public:
    explicit TTesselButton(QWidget *parent = nullptr);
    explicit TTesselButton(const QString &caption, QWidget *parent = nullptr);
    ~TTesselButton() override;

    QString Caption() const { return text(); }
    // "#" splits the caption into two lines; the accessible name shows it
    // as a blank.
    void SetCaption(const QString &caption);

    bool Disabled() const { return !isEnabled(); }

    bool Downed() const { return m_downed; }
    // Shows the button pressed whatever the mouse does.
    void SetDowned(bool on);

    bool Default() const { return m_default; }
    void SetDefault(bool on);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool on);

    bool ShowFrame() const { return m_showFrame; }
    void SetShowFrame(bool on);
    bool RoundEdge() const { return m_roundEdge; }
    void SetRoundEdge(bool on);

    const QImage &PicIdle() const { return m_picIdle; }
    void SetPicIdle(const QImage &picture);

    // Whether Tab reaches the button; a click focuses it either way.
    bool TabStop() const;
    void SetTabStop(bool on);

    QSize sizeHint() const override;

signals:
    void MouseEnter();
    void MouseLeave();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void WatchWindow();
    void UpdateShape();
    bool TakeDialogKey(const QKeyEvent &key);

    bool m_downed = false;
    bool m_default = false;
    bool m_cancel = false;
    bool m_showFrame = true;
    bool m_roundEdge = true;
    bool m_over = false;
    bool m_held = false;
    QImage m_picIdle;
    QPointer<QWidget> m_watchedWindow;
};
