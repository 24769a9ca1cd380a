#include "controls/ListColors.h"

namespace {

// One row per TDSGStyle, in the enumeration's order; the columns follow
// TListColors::TColorRole.
constexpr QRgb Presets[][TListColors::ColorRoleCount] = {
    // dsStandard
    {0xFFFFFF, 0xFFFFFF, 0xDFE8F0, 0xC5D6E4, 0xCFE3F4, 0xAFD1EC, 0x7B8B91, 0x4F5B60, 0xF0F0F0, 0xF0F0F0},
    // dsWindows7
    {0xFFFFFF, 0xFFFFFF, 0xEBEBEB, 0xDDDDDD, 0xD5E8FD, 0xBAD8FC, 0x7B8B91, 0x7EA2CE, 0xECF5FC, 0xECF5FC},
    // dsFlat
    {0xFFFFFF, 0xFFFFFF, 0xCCDAEA, 0xCCDAEA, 0x9BCBFF, 0x9BCBFF, 0x7B8B91, 0x7EA2CE, 0xECF5FC, 0xECF5FC},
    // dsWindows10
    {0xFFFFFF, 0xFFFFFF, 0xE1E1E1, 0xE1E1E1, 0xCCE6F7, 0xCCE6F7, 0xD4D4D4, 0xADAEB0, 0xECF5FC, 0xECF5FC},
};

} // namespace

TListColors::TListColors(QObject *parent)
    : QObject(parent)
{
    m_colors.fill(QColor(Qt::black));
}

void TListColors::SetStyle(TDSGStyle style)
{
    m_style = style;
    const QRgb *preset = Presets[static_cast<int>(style)];
    for (int i = 0; i < ColorRoleCount; ++i)
        m_colors[i] = QColor(preset[i]);
    emit Changed();
}

void TListColors::SetColor(TColorRole role, const QColor &color)
{
    m_colors.at(role) = color;
    emit Changed();
}

void TListColors::Assign(const TListColors &other)
{
    m_style = other.m_style;
    m_colors = other.m_colors;
    emit Changed();
}
