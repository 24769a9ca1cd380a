#pragma once

#include <QColor>

#include <array>
#include <span>

// The colour schemes of menus and tool bars, in their stored order.
enum class TMenuDesign
{
    mdBLUE,
    mdSILVER,
    mdSAND,
    mdFLAT,
    mdMODERN,
    mdOFFICE,
    mdWINDOWS10,
};

// The twenty-eight colours of one scheme, in their stored order.
struct TMenuColors
{
    QColor GutterColor;
    QColor LineColor;
    QColor ItemBackColor;
    QColor ItemFontColor;
    QColor ItemHintColor;
    QColor ItemFontDisabled;
    QColor ItemHoverColor1;
    QColor ItemHoverColor2;
    QColor ItemHoverColor3;
    QColor ItemHoverColor4;
    QColor ItemHoverFrame;
    QColor ItemDownColor1;
    QColor ItemDownColor2;
    QColor ItemDownColor3;
    QColor ItemDownColor4;
    QColor ItemDownFrame;
    QColor MenuBackColor;
    QColor MenuFontColor;
    QColor MenuHoverFontColor;
    QColor MenuFrameColor;
    QColor MenuHoverColor1;
    QColor MenuHoverColor2;
    QColor MenuHoverFrame;
    QColor ToolBarBackColor;
    QColor ToolBarFrame;
    QColor CheckedFrame;
    QColor CheckedColor;
    QColor CheckedArrow;

    bool operator==(const TMenuColors &) const = default;
};

using TMenuColorField = QColor TMenuColors::*;
inline constexpr int MenuColorCount = 28;

// Every field in stored order.
extern const std::array<TMenuColorField, MenuColorCount> MenuColorFields;

// The fields each kind of consumer takes over from the designer.
extern const std::span<const TMenuColorField> MainMenuColorFields;
extern const std::span<const TMenuColorField> PopupMenuColorFields;
extern const std::span<const TMenuColorField> ToolBarColorFields;

TMenuColors MenuPreset(TMenuDesign design);

// Copies the given fields from one scheme into another.
void CopyMenuColors(TMenuColors &to, const TMenuColors &from, std::span<const TMenuColorField> fields);

// The start colours of a consumer that is linked to no designer.
TMenuColors MainMenuStartColors();
TMenuColors PopupMenuStartColors();
TMenuColors ToolBarStartColors();
