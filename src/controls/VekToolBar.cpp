#include "controls/VekToolBar.h"

#include "controls/VekMenuStyle.h"

#include <QActionEvent>
#include <QApplication>
#include <QToolButton>

TVekToolBar::TVekToolBar(QWidget *parent)
    : QToolBar(parent),
      m_style(std::make_unique<TVekMenuStyle>()),
      m_link(ToolBarColorFields, [this](const TMenuColors &colors) { ApplyColors(colors); })
{
    setObjectName(QStringLiteral("ToolBar"));
    m_style->Colors = ToolBarStartColors();
    setStyle(m_style.get());
    setMovable(false);
    setFloatable(false);
    setFont(QApplication::font("QMenu"));
    // The bar keeps its font whatever its parent uses.
    setAttribute(Qt::WA_SetFont);
    for (QToolButton *button : findChildren<QToolButton *>())
        StyleChild(button);
}

TVekToolBar::~TVekToolBar()
{
    for (QWidget *child : findChildren<QWidget *>())
        child->setStyle(nullptr);
    setStyle(nullptr);
}

void TVekToolBar::SetMenuDesigner(TVekMenuDesigner *designer)
{
    m_link.SetDesigner(designer);
}

const TMenuColors &TVekToolBar::Colors() const
{
    return m_style->Colors;
}

bool TVekToolBar::ShowTopLine() const
{
    return m_style->ShowTopLine;
}

void TVekToolBar::SetShowTopLine(bool show)
{
    m_style->ShowTopLine = show;
    update();
}

bool TVekToolBar::ShowBottomLine() const
{
    return m_style->ShowBottomLine;
}

void TVekToolBar::SetShowBottomLine(bool show)
{
    m_style->ShowBottomLine = show;
    update();
}

void TVekToolBar::actionEvent(QActionEvent *event)
{
    QToolBar::actionEvent(event);
    if (event->type() == QEvent::ActionAdded) {
        if (QWidget *widget = widgetForAction(event->action()))
            StyleChild(widget);
    }
}

void TVekToolBar::StyleChild(QWidget *child)
{
    child->setStyle(m_style.get());
    if (auto *button = qobject_cast<QToolButton *>(child))
        button->setAutoRaise(true);
}

void TVekToolBar::ApplyColors(const TMenuColors &designerColors)
{
    CopyMenuColors(m_style->Colors, designerColors, ToolBarColorFields);
    RepaintAll();
}

void TVekToolBar::RepaintAll()
{
    update();
    for (QWidget *child : findChildren<QWidget *>())
        child->update();
}
