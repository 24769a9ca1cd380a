#pragma once

#include <QScrollArea>

// The scroll box of the print preview and the document viewer: arrow,
// page, Home and End keys scroll it, and between ActivateMouseScroll and
// DeactivateMouseScroll each notch of the wheel over it scrolls 60 pixels
// and gives it the focus. While inactive it leaves the wheel alone.
class TWheelScrollBox : public QScrollArea
{
    Q_OBJECT

public:
    static constexpr int KeyStep = 30;
    static constexpr int NotchStep = 2 * KeyStep;

    explicit TWheelScrollBox(QWidget *parent = nullptr);

    void ActivateMouseScroll();
    void DeactivateMouseScroll();
    bool MouseScrollActive() const { return m_mouseScroll; }

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool m_mouseScroll = false;
    // Parts of a notch from fine-grained wheels and touch pads.
    int m_wheelRest = 0;
};
