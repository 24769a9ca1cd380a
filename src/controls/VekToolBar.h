#pragma once

#include "controls/MenuColors.h"
#include "controls/MenuDesignerLink.h"

#include <QToolBar>

#include <memory>

class TVekMenuDesigner;
class TVekMenuStyle;

// A flat tool bar in the designer's colours: gradient faces for the button
// under the mouse and the pressed one, 7-pixel separators, grey images on
// disabled buttons.
class TVekToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit TVekToolBar(QWidget *parent = nullptr);
    ~TVekToolBar() override;

    void SetMenuDesigner(TVekMenuDesigner *designer);
    TVekMenuDesigner *MenuDesigner() const { return m_link.Designer(); }
    const TMenuColors &Colors() const;

    bool ShowTopLine() const;
    void SetShowTopLine(bool show);
    bool ShowBottomLine() const;
    void SetShowBottomLine(bool show);

protected:
    void actionEvent(QActionEvent *event) override;

private:
    void StyleChild(QWidget *child);
    void ApplyColors(const TMenuColors &designerColors);
    void RepaintAll();

    std::unique_ptr<TVekMenuStyle> m_style;
    TMenuDesignerLink m_link;
};
