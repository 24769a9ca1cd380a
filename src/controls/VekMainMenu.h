#pragma once

#include "controls/MenuColors.h"
#include "controls/MenuDesignerLink.h"

#include <QMenuBar>

#include <memory>

class TVekMenuDesigner;
class TVekMenuStyle;
class TVekPopupMenu;

// The main window's menu bar in the designer's colours; its drop-down
// menus take the same scheme.
class TVekMainMenu : public QMenuBar
{
    Q_OBJECT

public:
    explicit TVekMainMenu(QWidget *parent = nullptr);
    ~TVekMainMenu() override;

    void SetMenuDesigner(TVekMenuDesigner *designer);
    TVekMenuDesigner *MenuDesigner() const { return m_link.Designer(); }
    const TMenuColors &Colors() const;

    bool BoldCaption() const;
    void SetBoldCaption(bool bold);
    bool ShowItemHint() const;
    void SetShowItemHint(bool show);
    bool SystemFont() const { return m_systemFont; }
    void SetSystemFont(bool system);
    // Kept for the forms; the desktop's menu-bar height is left alone.
    int MenuHeight() const { return m_menuHeight; }
    void SetMenuHeight(int height) { m_menuHeight = height; }

    // A drop-down menu of the bar, in the bar's scheme.
    TVekPopupMenu *AddMenu(const QString &title);

    // Bar background in MenuBackColor and a fresh paint, drop-downs included.
    void Repaint();

private:
    void ApplyColors(const TMenuColors &designerColors);

    std::unique_ptr<TVekMenuStyle> m_style;
    TMenuDesignerLink m_link;
    bool m_systemFont = true;
    int m_menuHeight = 18;
};
