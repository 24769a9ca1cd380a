#include "controls/MenuColors.h"

#include <cstddef>

namespace {

constexpr int DesignCount = 7;

// One row per colour, one column per design (mdBLUE … mdWINDOWS10).
struct TPresetRow
{
    TMenuColorField Field;
    std::array<QRgb, DesignCount> Values;
};

constexpr std::array<TPresetRow, MenuColorCount> PresetTable = {{
    {&TMenuColors::GutterColor, {0xEFEFEF, 0xDDE2E5, 0xDEDAC7, 0xEFEFEF, 0xF1F1F1, 0xF1F1F1, 0xF1F1F1}},
    {&TMenuColors::LineColor, {0xC6C7C6, 0xC6C7C6, 0x668E74, 0xC6C7C6, 0xDADADA, 0xDADADA, 0xD5D5D5}},
    {&TMenuColors::ItemBackColor, {0xFFFBFF, 0xEFF1F0, 0xEBE9E2, 0xFFFBFF, 0xFFFBFF, 0xFFFBFF, 0xF1F1F1}},
    {&TMenuColors::ItemFontColor, {0x00156E, 0x000002, 0x000000, 0x00156E, 0x000000, 0x000000, 0x2B2B2B}},
    {&TMenuColors::ItemHintColor, {0x4C4D4F, 0x6B6C6E, 0x494841, 0x282828, 0x646464, 0x646464, 0x5E5E5E}},
    {&TMenuColors::ItemFontDisabled, {0x8D8D8D, 0x808183, 0x808080, 0x8D8D8D, 0x8D8D8D, 0x8D8D8D, 0xD5D5D5}},
    {&TMenuColors::ItemHoverColor1, {0xFFFDE8, 0xEBECEE, 0xDBEBE2, 0xC0DCF3, 0xDADADA, 0xD5E1F0, 0xFECB6F}},
    {&TMenuColors::ItemHoverColor2, {0xFFE395, 0xD5DADD, 0xC2DFCE, 0xC0DCF3, 0xDADADA, 0xD5E1F0, 0xFECB6F}},
    {&TMenuColors::ItemHoverColor3, {0xFFD84C, 0xC0C7CF, 0xBADBC8, 0xC0DCF3, 0xDADADA, 0xD5E1F0, 0xFECB6F}},
    {&TMenuColors::ItemHoverColor4, {0xFFE69D, 0xDADFE2, 0xD2E7DB, 0xC0DCF3, 0xDADADA, 0xD5E1F0, 0xFECB6F}},
    {&TMenuColors::ItemHoverFrame, {0xCEBB89, 0x959796, 0x668E74, 0xC0DCF3, 0xDADADA, 0xD5E1F0, 0xFECB6F}},
    {&TMenuColors::ItemDownColor1, {0xFBB172, 0xBDC6CD, 0xDEDAC7, 0x91C9F7, 0xCDCDCD, 0xBFD2E8, 0xFFA500}},
    {&TMenuColors::ItemDownColor2, {0xEC8540, 0xA2AEB9, 0xDEDAC7, 0x91C9F7, 0xCDCDCD, 0xBFD2E8, 0xFFA500}},
    {&TMenuColors::ItemDownColor3, {0xE15A0B, 0x8F9CA9, 0xDEDAC7, 0x91C9F7, 0xCDCDCD, 0xBFD2E8, 0xFFA500}},
    {&TMenuColors::ItemDownColor4, {0xFC9F4C, 0xBFC7CE, 0xDEDAC7, 0x91C9F7, 0xCDCDCD, 0xBFD2E8, 0xFFA500}},
    {&TMenuColors::ItemDownFrame, {0x7A6544, 0x7C8A96, 0x668E74, 0x91C9F7, 0xCDCDCD, 0xBFD2E8, 0xFFA500}},
    {&TMenuColors::MenuBackColor, {0xBAD0EB, 0x464646, 0xEBE9E2, 0xDFE9F5, 0xFFFFFF, 0xFFFFFF, 0xF1F1F1}},
    {&TMenuColors::MenuFontColor, {0x00156E, 0xFFFFFF, 0x000000, 0x00156E, 0x000000, 0x000000, 0x2B2B2B}},
    {&TMenuColors::MenuHoverFontColor, {0x00156E, 0x000002, 0x000000, 0x0A0A0A, 0x000000, 0x000000, 0x2B2B2B}},
    {&TMenuColors::MenuFrameColor, {0x868686, 0x464646, 0x668E74, 0x868686, 0xDADADA, 0xDADADA, 0xD5D5D5}},
    {&TMenuColors::MenuHoverColor1, {0xFFF4C8, 0xF5F6F8, 0xE6E2D2, 0xC0DCF3, 0xDADADA, 0xD5E1F0, 0xF1F1F1}},
    {&TMenuColors::MenuHoverColor2, {0xFFDC79, 0xCDD0D5, 0xCBC4A5, 0xC0DCF3, 0xDADADA, 0xD5E1F0, 0xF1F1F1}},
    {&TMenuColors::MenuHoverFrame, {0xFFBD69, 0x77787A, 0x668E74, 0xC0DCF3, 0xDADADA, 0xD5E1F0, 0xF1F1F1}},
    {&TMenuColors::ToolBarBackColor, {0xDFE9F5, 0xDDE2E5, 0xEBE9E2, 0xDFE9F5, 0xF1F1F1, 0xF1F1F1, 0xF1F1F1}},
    {&TMenuColors::ToolBarFrame, {0x7EA2CE, 0x9FA9AF, 0x668E74, 0x7EA2CE, 0xCDCDCD, 0xBFD2E8, 0x2B2B2B}},
    {&TMenuColors::CheckedFrame, {0xF29536, 0x808090, 0x668E74, 0x7EA2CE, 0xCDCDCD, 0xBFD2E8, 0x2B2B2B}},
    {&TMenuColors::CheckedColor, {0xFDE999, 0xDFDFE3, 0xDEDAC7, 0xDFE9F5, 0xF1F1F1, 0xF1F1F1, 0xF1F1F1}},
    {&TMenuColors::CheckedArrow, {0x30337A, 0x404051, 0x000000, 0x00156E, 0x333333, 0x333333, 0x2B2B2B}},
}};

// GutterColor … ItemHoverFrame, MenuBackColor … MenuHoverFrame and the three
// check-box colours.
const std::array<TMenuColorField, 21> MainMenuFields = {
    &TMenuColors::GutterColor,     &TMenuColors::LineColor,        &TMenuColors::ItemBackColor,
    &TMenuColors::ItemFontColor,   &TMenuColors::ItemHintColor,    &TMenuColors::ItemFontDisabled,
    &TMenuColors::ItemHoverColor1, &TMenuColors::ItemHoverColor2,  &TMenuColors::ItemHoverColor3,
    &TMenuColors::ItemHoverColor4, &TMenuColors::ItemHoverFrame,   &TMenuColors::MenuBackColor,
    &TMenuColors::MenuFontColor,   &TMenuColors::MenuHoverFontColor, &TMenuColors::MenuFrameColor,
    &TMenuColors::MenuHoverColor1, &TMenuColors::MenuHoverColor2, &TMenuColors::MenuHoverFrame,
    &TMenuColors::CheckedFrame,    &TMenuColors::CheckedColor,     &TMenuColors::CheckedArrow,
};

// GutterColor … ItemHoverFrame and the three check-box colours.
const std::array<TMenuColorField, 14> PopupFields = {
    &TMenuColors::GutterColor,     &TMenuColors::LineColor,       &TMenuColors::ItemBackColor,
    &TMenuColors::ItemFontColor,   &TMenuColors::ItemHintColor,   &TMenuColors::ItemFontDisabled,
    &TMenuColors::ItemHoverColor1, &TMenuColors::ItemHoverColor2, &TMenuColors::ItemHoverColor3,
    &TMenuColors::ItemHoverColor4, &TMenuColors::ItemHoverFrame,  &TMenuColors::CheckedFrame,
    &TMenuColors::CheckedColor,    &TMenuColors::CheckedArrow,
};

// LineColor, ItemFontColor, ItemFontDisabled … ItemDownFrame and the bar's own two.
const std::array<TMenuColorField, 15> ToolBarFields = {
    &TMenuColors::LineColor,       &TMenuColors::ItemFontColor,   &TMenuColors::ItemFontDisabled,
    &TMenuColors::ItemHoverColor1, &TMenuColors::ItemHoverColor2, &TMenuColors::ItemHoverColor3,
    &TMenuColors::ItemHoverColor4, &TMenuColors::ItemHoverFrame,  &TMenuColors::ItemDownColor1,
    &TMenuColors::ItemDownColor2,  &TMenuColors::ItemDownColor3,  &TMenuColors::ItemDownColor4,
    &TMenuColors::ItemDownFrame,   &TMenuColors::ToolBarBackColor, &TMenuColors::ToolBarFrame,
};

} // namespace

const std::array<TMenuColorField, MenuColorCount> MenuColorFields = [] {
    std::array<TMenuColorField, MenuColorCount> fields{};
    for (std::size_t i = 0; i < PresetTable.size(); ++i)
        fields[i] = PresetTable[i].Field;
    return fields;
}();
const std::span<const TMenuColorField> MainMenuColorFields(MainMenuFields);
const std::span<const TMenuColorField> PopupMenuColorFields(PopupFields);
const std::span<const TMenuColorField> ToolBarColorFields(ToolBarFields);

TMenuColors MenuPreset(TMenuDesign design)
{
    const auto column = static_cast<std::size_t>(design);
    TMenuColors colors;
    for (const TPresetRow &row : PresetTable)
        colors.*row.Field = QColor::fromRgb(row.Values[column]);
    return colors;
}

void CopyMenuColors(TMenuColors &to, const TMenuColors &from, std::span<const TMenuColorField> fields)
{
    for (const TMenuColorField field : fields)
        to.*field = from.*field;
}

TMenuColors MainMenuStartColors()
{
    TMenuColors colors = MenuPreset(TMenuDesign::mdBLUE);
    colors.ItemDownColor1 = colors.ItemHoverColor1;
    colors.ItemDownColor2 = colors.ItemHoverColor2;
    colors.ItemDownColor3 = colors.ItemHoverColor3;
    colors.ItemDownColor4 = colors.ItemHoverColor4;
    colors.ItemDownFrame = colors.ItemHoverFrame;
    colors.MenuBackColor = QColor(0xBF, 0xDB, 0xFF);
    return colors;
}

TMenuColors PopupMenuStartColors()
{
    return MenuPreset(TMenuDesign::mdBLUE);
}

TMenuColors ToolBarStartColors()
{
    TMenuColors colors = MenuPreset(TMenuDesign::mdBLUE);
    colors.ToolBarBackColor = QColor(0xBF, 0xDB, 0xFF);
    colors.ToolBarFrame = QColor(0x6A, 0xAE, 0xDE);
    return colors;
}
