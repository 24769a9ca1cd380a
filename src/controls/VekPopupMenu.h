#pragma once

#include "controls/MenuColors.h"
#include "controls/MenuDesignerLink.h"

#include <QMenu>

#include <memory>

class TVekMenuDesigner;
class TVekMenuStyle;

// A pop-up or drop-down menu in the designer's colours. Every item shows
// its action's status tip as a second, smaller line under a bold caption.
class TVekPopupMenu : public QMenu
{
    Q_OBJECT

public:
    explicit TVekPopupMenu(QWidget *parent = nullptr);
    explicit TVekPopupMenu(const QString &title, QWidget *parent = nullptr);
    ~TVekPopupMenu() override;

    void SetMenuDesigner(TVekMenuDesigner *designer);
    TVekMenuDesigner *MenuDesigner() const { return m_link.Designer(); }

    const TMenuColors &Colors() const;
    // Takes the colours a linked designer would give; for drop-downs whose
    // main menu hands its scheme down.
    void SetColors(const TMenuColors &colors);

    bool BoldCaption() const;
    void SetBoldCaption(bool bold);
    bool ShowItemHint() const;
    void SetShowItemHint(bool show);
    // Take the desktop's menu font again when the menu is shown.
    bool SystemFont() const { return m_systemFont; }
    void SetSystemFont(bool system);

    // A sub-menu in the same scheme.
    TVekPopupMenu *AddMenu(const QString &title);

protected:
    void initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const override;
    void showEvent(QShowEvent *event) override;

private:
    void Restyle();

    std::unique_ptr<TVekMenuStyle> m_style;
    TMenuDesignerLink m_link;
    bool m_systemFont = true;
};
