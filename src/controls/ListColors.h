#pragma once

#include <QColor>
#include <QObject>

#include <array>

// The four colour presets of the owner-drawn lists.
enum class TDSGStyle
{
    dsStandard,
    dsWindows7,
    dsFlat,
    dsWindows10,
};

// The colour set of a TVekDsgListBox. A new set has Style dsStandard but all
// ten colours black until a style or single colours are set. Every change is
// announced through Changed(), so that the owning list repaints.
class TListColors : public QObject
{
    Q_OBJECT

public:
    // The ten colours, in the order of the presets' table.
    enum TColorRole
    {
        BarColor1Role,
        BarColor2Role,
        BarSelected1Role,
        BarSelected2Role,
        BarFocused1Role,
        BarFocused2Role,
        LineColorRole,
        LineFocusedRole,
        ModsColor1Role,
        ModsColor2Role,
        ColorRoleCount,
    };

    explicit TListColors(QObject *parent = nullptr);

    TDSGStyle Style() const { return m_style; }
    // Loads the preset of the style, even when it is the current style.
    void SetStyle(TDSGStyle style);

    QColor Color(TColorRole role) const { return m_colors.at(role); }
    void SetColor(TColorRole role, const QColor &color);

    // Takes style and colours of another set (one notification).
    void Assign(const TListColors &other);

    QColor BarColor1() const { return Color(BarColor1Role); }
    QColor BarColor2() const { return Color(BarColor2Role); }
    QColor BarSelected1() const { return Color(BarSelected1Role); }
    QColor BarSelected2() const { return Color(BarSelected2Role); }
    QColor BarFocused1() const { return Color(BarFocused1Role); }
    QColor BarFocused2() const { return Color(BarFocused2Role); }
    QColor LineColor() const { return Color(LineColorRole); }
    QColor LineFocused() const { return Color(LineFocusedRole); }
    QColor ModsColor1() const { return Color(ModsColor1Role); }
    QColor ModsColor2() const { return Color(ModsColor2Role); }

    void SetBarColor1(const QColor &c) { SetColor(BarColor1Role, c); }
    void SetBarColor2(const QColor &c) { SetColor(BarColor2Role, c); }
    void SetBarSelected1(const QColor &c) { SetColor(BarSelected1Role, c); }
    void SetBarSelected2(const QColor &c) { SetColor(BarSelected2Role, c); }
    void SetBarFocused1(const QColor &c) { SetColor(BarFocused1Role, c); }
    void SetBarFocused2(const QColor &c) { SetColor(BarFocused2Role, c); }
    void SetLineColor(const QColor &c) { SetColor(LineColorRole, c); }
    void SetLineFocused(const QColor &c) { SetColor(LineFocusedRole, c); }
    void SetModsColor1(const QColor &c) { SetColor(ModsColor1Role, c); }
    void SetModsColor2(const QColor &c) { SetColor(ModsColor2Role, c); }

signals:
    void Changed();

private:
    TDSGStyle m_style = TDSGStyle::dsStandard;
    std::array<QColor, ColorRoleCount> m_colors;
};
