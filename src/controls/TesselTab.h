#pragma once

#include "controls/ControlEnums.h"

#include <QAbstractButton>
#include <QImage>
#include <QString>

// One tab of a TTesselTabsControl, created only by the strip. It takes no
// focus of its own: the strip does, and moves its active tab by keys. Its
// caption is its accessible name; to assistive tools it is a page tab that
// is checked while active.
class TTesselTab : public QAbstractButton
{
    Q_OBJECT

public:
    TTesselTab(int index, QWidget *strip);

    // The tab's position in its strip.
    int Index() const { return m_index; }

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);

    bool Active() const { return m_active; }
    void SetActive(bool active);

    TStyle Style() const { return m_style; }
    void SetStyle(TStyle style);

    // Drawn at the left with its top-left pixel's colour transparent; a null
    // image means no symbol.
    const QImage &Symbol() const { return m_symbol; }
    void SetSymbol(const QImage &symbol);

    // True while the mouse is over the tab.
    bool Hover() const { return m_hover; }

    // The room the tab takes in its strip, two pixels wider than the tab.
    int GetTabWidth() const;

    QSize sizeHint() const override;

signals:
    void MouseEntered();
    void MouseLeft();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int BoldCaptionWidth() const;
    void FitWidth();
    void SetHover(bool hover);

    int m_index;
    QString m_caption;
    bool m_active = false;
    TStyle m_style = TStyle::sTopToBottom;
    QImage m_symbol;
    QImage m_symbolKeyed;
    bool m_hover = false;
};
