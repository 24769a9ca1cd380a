#pragma once

#include <QLabel>
#include <QUrl>

#include <functional>

// A blue text label that acts as a link: pointing hand, underlined while
// the mouse is over it, reachable by Tab and worked by Enter or Space.
// A click emits clicked(); the url and mail labels then open their target.
class TVekLinkLabel : public QLabel
{
    Q_OBJECT

public:
    // Opens a url with the desktop's handler; false when nothing could be
    // started. Replaceable so that tests start no browser.
    using TOpener = std::function<bool(const QUrl &url)>;

    explicit TVekLinkLabel(QWidget *parent = nullptr);
    explicit TVekLinkLabel(const QString &caption, QWidget *parent = nullptr);

    void SetOpener(TOpener opener);

    // What a click does: clicked(), then the label's own action.
    void Activate();

signals:
    void clicked();

protected:
    // The label's own action after clicked(); none for the plain label.
    virtual void Open() {}
    // Opens url, or tells the user that no program could be started.
    void OpenTarget(const QUrl &url);

    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void SetUnderline(bool on);

    TOpener m_opener;
    bool m_pressed = false;
};
