#include "controls/VekPopupMenu.h"

#include "controls/VekMenuStyle.h"

#include <QApplication>
#include <QEvent>
#include <QStyleOptionMenuItem>

TVekPopupMenu::TVekPopupMenu(QWidget *parent)
    : TVekPopupMenu(QString(), parent)
{
}

TVekPopupMenu::TVekPopupMenu(const QString &title, QWidget *parent)
    : QMenu(title, parent),
      m_style(std::make_unique<TVekMenuStyle>()),
      m_link(PopupMenuColorFields, [this](const TMenuColors &colors) {
          TMenuColors mine = m_style->Colors;
          CopyMenuColors(mine, colors, PopupMenuColorFields);
          SetColors(mine);
      })
{
    m_style->Colors = PopupMenuStartColors();
    setStyle(m_style.get());
    setFont(QApplication::font("QMenu"));
}

TVekPopupMenu::~TVekPopupMenu()
{
    // Sub-menus use their own styles; this one must outlive nothing but us.
    setStyle(nullptr);
}

void TVekPopupMenu::SetMenuDesigner(TVekMenuDesigner *designer)
{
    m_link.SetDesigner(designer);
}

const TMenuColors &TVekPopupMenu::Colors() const
{
    return m_style->Colors;
}

void TVekPopupMenu::SetColors(const TMenuColors &colors)
{
    m_style->Colors = colors;
    Restyle();
}

bool TVekPopupMenu::BoldCaption() const
{
    return m_style->BoldCaption;
}

void TVekPopupMenu::SetBoldCaption(bool bold)
{
    m_style->BoldCaption = bold;
    Restyle();
}

bool TVekPopupMenu::ShowItemHint() const
{
    return m_style->ShowItemHint;
}

void TVekPopupMenu::SetShowItemHint(bool show)
{
    m_style->ShowItemHint = show;
    Restyle();
}

void TVekPopupMenu::SetSystemFont(bool system)
{
    m_systemFont = system;
}

TVekPopupMenu *TVekPopupMenu::AddMenu(const QString &title)
{
    auto *menu = new TVekPopupMenu(title, this);
    menu->SetColors(Colors());
    menu->SetBoldCaption(BoldCaption());
    menu->SetShowItemHint(ShowItemHint());
    addMenu(menu);
    return menu;
}

void TVekPopupMenu::initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const
{
    QMenu::initStyleOption(option, action);
    if (action == nullptr || action->isSeparator())
        return;
    TVekMenuStyle::TItemText text = TVekMenuStyle::SplitItemText(option->text);
    text.Hint = action->statusTip();
    option->text = TVekMenuStyle::JoinItemText(text);
}

void TVekPopupMenu::showEvent(QShowEvent *event)
{
    if (m_systemFont)
        setFont(QApplication::font("QMenu"));
    QMenu::showEvent(event);
}

void TVekPopupMenu::Restyle()
{
    // Sizes depend on the hint switch and the fonts: measure again.
    QEvent styleChange(QEvent::StyleChange);
    QApplication::sendEvent(this, &styleChange);
    for (TVekPopupMenu *sub : findChildren<TVekPopupMenu *>(QString(), Qt::FindDirectChildrenOnly)) {
        sub->m_style->Colors = m_style->Colors;
        sub->m_style->BoldCaption = m_style->BoldCaption;
        sub->m_style->ShowItemHint = m_style->ShowItemHint;
        sub->Restyle();
    }
    update();
}
