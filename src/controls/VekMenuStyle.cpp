#include "controls/VekMenuStyle.h"

#include "controls/Painting.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

namespace {

// Where the image column of a drop-down item ends and its text begins.
constexpr int GutterWidth = 26;
constexpr int TextLeft = 37;
// Room for the tick column that the menu adds to every measured item.
constexpr int CheckColumn = 14;
constexpr int SubMenuArrow = 12;

bool HasHint(const TVekMenuStyle::TItemText &text)
{
    return !text.Hint.trimmed().isEmpty();
}

QFont Bold(QFont font)
{
    font.setBold(true);
    return font;
}

QFont Regular(QFont font)
{
    font.setBold(false);
    return font;
}

void DrawTick(QPainter &painter, const QRect &box, const TMenuColors &colors)
{
    FillVerticalGradient(painter, box, AdjustLuma(colors.CheckedColor, 20), AdjustLuma(colors.CheckedColor, -20));
    DrawRoundFrame(painter, box, 2, colors.CheckedFrame);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colors.CheckedArrow, 1));
    const QPoint o = box.topLeft();
    const QPoint first[] = {o + QPoint(5, 9), o + QPoint(7, 11), o + QPoint(11, 4)};
    const QPoint second[] = {o + QPoint(5, 8), o + QPoint(7, 12), o + QPoint(11, 4)};
    painter.drawPolyline(first, 3);
    painter.drawPolyline(second, 3);
    painter.restore();
}

void DrawSubMenuArrow(QPainter &painter, const QRect &item, const QColor &color)
{
    const int cx = item.right() - 8;
    const int cy = item.top() + item.height() / 2;
    const QPoint arrow[] = {{cx - 2, cy - 4}, {cx + 2, cy}, {cx - 2, cy + 4}};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(arrow, 3);
    painter.restore();
}

} // namespace

QColor AdjustLuma(const QColor &color, int steps)
{
    // Windows counts luminance from 0 to 240, Qt from 0 to 255.
    const QColor hsl = color.toHsl();
    const int lightness = std::clamp(hsl.lightness() + steps * 255 / 240, 0, 255);
    return QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness).toRgb();
}

TVekMenuStyle::TVekMenuStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), Colors(MenuPreset(TMenuDesign::mdBLUE))
{
}

TVekMenuStyle::TItemText TVekMenuStyle::SplitItemText(const QString &text)
{
    const QStringList parts = text.split(u'\t');
    return {parts.value(0), parts.value(1), parts.value(2)};
}

QString TVekMenuStyle::JoinItemText(const TItemText &parts)
{
    return parts.Caption + u'\t' + parts.ShortCut + u'\t' + parts.Hint;
}

void TVekMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                  const QWidget *widget) const
{
    switch (element) {
    case PE_PanelMenuBar:
        painter->fillRect(option->rect, Colors.MenuBackColor);
        return;
    case PE_PanelMenu:
        painter->fillRect(option->rect, Colors.ItemBackColor);
        return;
    case PE_FrameMenu:
        painter->save();
        painter->setPen(Colors.LineColor);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    case PE_PanelToolBar: {
        const QRect r = option->rect;
        painter->fillRect(r, Colors.ToolBarBackColor);
        painter->save();
        painter->setPen(Colors.ToolBarFrame);
        // Up to, not including, the last pixel column.
        if (ShowTopLine)
            painter->drawLine(r.left(), r.top(), r.right() - 1, r.top());
        if (ShowBottomLine)
            painter->drawLine(r.left(), r.bottom(), r.right() - 1, r.bottom());
        painter->restore();
        return;
    }
    case PE_IndicatorToolBarSeparator: {
        const QRect r = option->rect;
        painter->fillRect(r, Colors.ToolBarBackColor);
        painter->save();
        painter->setPen(Colors.ToolBarFrame);
        painter->drawLine(r.left() + 3, r.top() + 3, r.left() + 3, r.bottom() - 3);
        painter->setPen(Qt::white);
        painter->drawLine(r.left() + 4, r.top() + 3, r.left() + 4, r.bottom() - 3);
        painter->restore();
        return;
    }
    case PE_IndicatorToolBarHandle:
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void TVekMenuStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    switch (element) {
    case CE_MenuItem:
        if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
            DrawMenuItem(*item, *painter);
            return;
        }
        break;
    case CE_MenuBarItem:
        if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
            DrawMenuBarItem(*item, *painter);
            return;
        }
        break;
    case CE_MenuBarEmptyArea:
        painter->fillRect(option->rect, Colors.MenuBackColor);
        return;
    case CE_MenuEmptyArea:
        painter->fillRect(option->rect, Colors.ItemBackColor);
        return;
    case CE_ToolBar:
        drawPrimitive(PE_PanelToolBar, option, painter, widget);
        return;
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void TVekMenuStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                       QPainter *painter, const QWidget *widget) const
{
    if (control == CC_ToolButton) {
        if (const auto *button = qstyleoption_cast<const QStyleOptionToolButton *>(option)) {
            DrawToolButton(*button, *painter);
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QSize TVekMenuStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                      const QWidget *widget) const
{
    if (type == CT_MenuItem) {
        if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option))
            return MenuItemSize(*item, widget);
    }
    if (type == CT_MenuBarItem) {
        if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
            // Room for the caption between its 6-pixel left and 4-pixel
            // right inset, plus as much again around it.
            QString caption = SplitItemText(item->text).Caption;
            caption.remove(u'&');
            const QFontMetrics metrics(Regular(item->font));
            return {metrics.horizontalAdvance(caption) + 16, std::max(size.height(), metrics.height() + 6)};
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int TVekMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_ToolBarSeparatorExtent:
        return 7;
    case PM_ToolBarItemMargin:
        // Keeps the bar's top and bottom lines clear of the buttons.
        return 1;
    case PM_ToolBarFrameWidth:
    case PM_ToolBarItemSpacing:
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuBarPanelWidth:
    case PM_MenuBarVMargin:
    case PM_MenuBarHMargin:
        return 0;
    case PM_MenuPanelWidth:
        return 1;
    case PM_SmallIconSize:
        return 16;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int TVekMenuStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *returnData) const
{
    if (hint == SH_Menu_Mask || hint == SH_Menu_FlashTriggeredItem)
        return 0;
    if (hint == SH_MenuBar_AltKeyNavigation || hint == SH_UnderlineShortcut)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QSize TVekMenuStyle::MenuItemSize(const QStyleOptionMenuItem &item, const QWidget *widget) const
{
    if (item.menuItemType == QStyleOptionMenuItem::Separator)
        return {10, 4};

    const TItemText text = SplitItemText(item.text);
    const QFontMetrics bold(Bold(item.font));
    QString caption = text.Caption;
    caption.remove(u'&');
    int w = bold.horizontalAdvance(caption);
    const int h = bold.height();
    if (!text.ShortCut.isEmpty())
        w += bold.horizontalAdvance(text.ShortCut) + 8;
    int hintWidth = 0;
    int hintHeight = 0;
    if (ShowItemHint && HasHint(text)) {
        const QFontMetrics regular(Regular(item.font));
        hintWidth = regular.horizontalAdvance(text.Hint);
        hintHeight = regular.height();
    }
    int width = std::max(w, hintWidth) + 34 + CheckColumn;
    if (item.menuItemType == QStyleOptionMenuItem::SubMenu)
        width += SubMenuArrow;
    // The menu adds the widest short-cut text on top of every item.
    if (!text.ShortCut.isEmpty() && widget != nullptr)
        width -= QFontMetrics(widget->font()).horizontalAdvance(text.ShortCut);
    return {width, h + hintHeight + 8};
}

void TVekMenuStyle::DrawMenuItem(const QStyleOptionMenuItem &item, QPainter &painter) const
{
    const QRect r = item.rect;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);

    painter.fillRect(QRect(r.left(), r.top(), GutterWidth, r.height()), Colors.GutterColor);
    painter.fillRect(QRect(r.left() + GutterWidth, r.top(), r.width() - GutterWidth, r.height()), Colors.ItemBackColor);
    painter.setPen(Colors.LineColor);
    painter.drawLine(r.left() + GutterWidth, r.top(), r.left() + GutterWidth, r.bottom());

    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
        const int y = r.bottom() - 3;
        painter.drawLine(r.left() + 36, y, r.right(), y);
        painter.restore();
        return;
    }

    const TItemText text = SplitItemText(item.text);
    const bool enabled = item.state & State_Enabled;
    const bool selected = item.state & State_Selected;
    const bool hint = ShowItemHint && HasHint(text);
    const int middle = r.top() + r.height() / 2;

    if (selected) {
        QPainterPath clip;
        clip.addRoundedRect(QRectF(r), 3, 3);
        painter.setClipPath(clip);
        FillVerticalGradient(painter, QRect(r.left(), r.top(), r.width(), middle - r.top()), Colors.ItemHoverColor1,
                             Colors.ItemHoverColor2);
        FillVerticalGradient(painter, QRect(r.left(), middle, r.width(), r.bottom() - middle + 1),
                             Colors.ItemHoverColor3, Colors.ItemHoverColor4);
        painter.setClipping(false);
        DrawRoundFrame(painter, QRect(r.left(), r.top(), r.width(), r.height() - 1), 3, Colors.ItemHoverFrame);
    }

    const QColor textColor = enabled ? Colors.ItemFontColor : Colors.ItemFontDisabled;
    painter.setFont(BoldCaption && hint ? Bold(item.font) : Regular(item.font));
    painter.setPen(textColor);
    const QRect textRect(QPoint(r.left() + TextLeft, r.top() + 2), QPoint(r.right() - 4, hint ? middle : r.bottom()));
    const int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    painter.drawText(textRect, flags | Qt::AlignLeft, text.Caption);
    if (!text.ShortCut.isEmpty()) {
        const QRect shortCutRect =
            item.menuItemType == QStyleOptionMenuItem::SubMenu ? textRect.adjusted(0, 0, -SubMenuArrow, 0) : textRect;
        painter.drawText(shortCutRect, flags | Qt::AlignRight, text.ShortCut);
    }

    if (hint) {
        painter.setFont(Regular(item.font));
        painter.setPen(enabled ? Colors.ItemHintColor : Colors.ItemFontDisabled);
        const QRect hintRect(QPoint(r.left() + TextLeft, middle), QPoint(r.right() - 4, r.bottom()));
        painter.drawText(hintRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text.Hint);
    }

    const bool ticked = item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked;
    if (ticked) {
        DrawTick(painter, QRect(r.left() + 4, r.top() + 2, 16, 16), Colors);
    } else if (!item.icon.isNull()) {
        const QPixmap image = item.icon.pixmap(QSize(16, 16), enabled ? QIcon::Normal : QIcon::Disabled);
        painter.drawPixmap(r.left() + 4, r.top() + 2, image);
    }

    if (item.menuItemType == QStyleOptionMenuItem::SubMenu)
        DrawSubMenuArrow(painter, r, textColor);
    painter.restore();
}

void TVekMenuStyle::DrawMenuBarItem(const QStyleOptionMenuItem &item, QPainter &painter) const
{
    const QRect r = item.rect;
    const bool selected = (item.state & State_Selected) && (item.state & State_Enabled);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (selected) {
        QPainterPath clip;
        clip.addRoundedRect(QRectF(r), 3, 3);
        painter.fillRect(r, Colors.MenuBackColor);
        painter.setClipPath(clip);
        FillVerticalGradient(painter, r, Colors.MenuHoverColor1, Colors.MenuHoverColor2);
        painter.setClipping(false);
        DrawRoundFrame(painter, r, 3, Colors.MenuHoverFrame);
    } else {
        painter.fillRect(r, Colors.MenuBackColor);
    }

    const TItemText text = SplitItemText(item.text);
    painter.setFont(Regular(item.font));
    painter.setPen(selected ? Colors.MenuHoverFontColor : Colors.MenuFontColor);
    const QRect textRect = r.adjusted(6, 2, -4, 0);
    const int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    painter.drawText(textRect, flags | Qt::AlignLeft, text.Caption);
    if (!text.ShortCut.isEmpty())
        painter.drawText(textRect, flags | Qt::AlignRight, text.ShortCut);
    painter.restore();
}

void TVekMenuStyle::DrawToolButton(const QStyleOptionToolButton &button, QPainter &painter) const
{
    const QRect r = button.rect;
    const bool enabled = button.state & State_Enabled;
    const bool pressed = button.state & (State_Sunken | State_On);
    const bool hot = (button.state & State_MouseOver) && enabled && !pressed;

    QColor c1, c2, c3, c4, frame;
    if (pressed && enabled) {
        c1 = Colors.ItemDownColor1;
        c2 = Colors.ItemDownColor2;
        c3 = Colors.ItemDownColor3;
        c4 = Colors.ItemDownColor4;
        frame = Colors.ItemDownFrame;
    } else if (hot) {
        c1 = Colors.ItemHoverColor1;
        c2 = Colors.ItemHoverColor2;
        c3 = Colors.ItemHoverColor3;
        c4 = Colors.ItemHoverColor4;
        frame = Colors.ItemHoverFrame;
    } else {
        c1 = c2 = c3 = c4 = frame = Colors.ToolBarBackColor;
    }

    // The face starts one pixel below the button's top, so that it lines up
    // with the bar's top line.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(r, Colors.ToolBarBackColor);
    const QRect face(r.left(), r.top() + 1, r.width(), r.height() - 1);
    const int upper = face.height() / 2;
    FillVerticalGradient(painter, QRect(face.left(), face.top(), face.width(), upper), c1, c2);
    FillVerticalGradient(painter, QRect(face.left(), face.top() + upper, face.width(), face.height() - upper), c3, c4);
    DrawRoundFrame(painter, face, 2, frame);

    const bool showsText = button.toolButtonStyle != Qt::ToolButtonIconOnly && !button.text.isEmpty();
    const bool showsIcon = button.toolButtonStyle != Qt::ToolButtonTextOnly && !button.icon.isNull();
    if (showsIcon) {
        QImage image = button.icon.pixmap(button.iconSize).toImage();
        if (!enabled)
            image = GreyImage(image);
        image = WithTopLeftTransparent(image);
        const int x = face.left() + face.width() / 2 - image.width() / 2;
        painter.drawImage(QPoint(x, face.top() + 2), image);
    }
    if (showsText) {
        QFont font = button.font;
        font.setBold(false);
        if (font.pointSizeF() > 10)
            font.setPointSizeF(10);
        painter.setFont(font);
        painter.setPen(enabled ? Colors.ItemFontColor : Colors.ItemFontDisabled);
        const int band = QFontMetrics(font).height() + 2;
        const QRect textRect = showsIcon ? QRect(face.left(), face.bottom() - band + 1, face.width(), band) : face;
        painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, button.text);
    }
    if (button.features & QStyleOptionToolButton::HasMenu) {
        const QPoint tip(face.right() - 4, face.bottom() - 5);
        const QPoint arrow[] = {tip + QPoint(-3, -2), tip + QPoint(3, -2), tip};
        painter.setPen(Qt::NoPen);
        painter.setBrush(enabled ? Colors.ItemFontColor : Colors.ItemFontDisabled);
        painter.drawPolygon(arrow, 3);
    }
    painter.restore();
}
