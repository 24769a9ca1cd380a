#pragma once

#include "controls/MenuColors.h"

#include <QProxyStyle>
#include <QString>

class QStyleOptionMenuItem;
class QStyleOptionToolButton;

// Draws menu bars, drop-down and pop-up menus and tool bars in one colour
// scheme. Each menu or tool bar owns one and sets it on itself and on the
// widgets it is made of; the widgets stay Qt's own.
class TVekMenuStyle : public QProxyStyle
{
    Q_OBJECT

public:
    TVekMenuStyle();

    TMenuColors Colors;
    bool BoldCaption = true;
    bool ShowItemHint = true;
    bool ShowTopLine = false;
    bool ShowBottomLine = true;

    // A drop-down item's text as the menus hand it over: caption, then the
    // short-cut text and the hint, each after a tab.
    struct TItemText
    {
        QString Caption;
        QString ShortCut;
        QString Hint;
    };
    static TItemText SplitItemText(const QString &text);
    static QString JoinItemText(const TItemText &parts);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

private:
    void DrawMenuItem(const QStyleOptionMenuItem &item, QPainter &painter) const;
    void DrawMenuBarItem(const QStyleOptionMenuItem &item, QPainter &painter) const;
    void DrawToolButton(const QStyleOptionToolButton &button, QPainter &painter) const;
    QSize MenuItemSize(const QStyleOptionMenuItem &item, const QWidget *widget) const;
};

// The colour of the tick box: the check colour lightened or darkened on the
// 0…240 luminance scale.
QColor AdjustLuma(const QColor &color, int steps);
