#include "controls/VekMainMenu.h"

#include "controls/VekMenuStyle.h"
#include "controls/VekPopupMenu.h"

#include <QApplication>

TVekMainMenu::TVekMainMenu(QWidget *parent)
    : QMenuBar(parent),
      m_style(std::make_unique<TVekMenuStyle>()),
      m_link(MainMenuColorFields, [this](const TMenuColors &colors) { ApplyColors(colors); })
{
    setObjectName(QStringLiteral("MainMenu"));
    // A global menu of the desktop would paint it in its own colours.
    setNativeMenuBar(false);
    m_style->Colors = MainMenuStartColors();
    setStyle(m_style.get());
    setFont(QApplication::font("QMenuBar"));
}

TVekMainMenu::~TVekMainMenu()
{
    setStyle(nullptr);
}

void TVekMainMenu::SetMenuDesigner(TVekMenuDesigner *designer)
{
    m_link.SetDesigner(designer);
}

const TMenuColors &TVekMainMenu::Colors() const
{
    return m_style->Colors;
}

void TVekMainMenu::ApplyColors(const TMenuColors &designerColors)
{
    CopyMenuColors(m_style->Colors, designerColors, MainMenuColorFields);
    Repaint();
}

bool TVekMainMenu::BoldCaption() const
{
    return m_style->BoldCaption;
}

void TVekMainMenu::SetBoldCaption(bool bold)
{
    m_style->BoldCaption = bold;
    Repaint();
}

bool TVekMainMenu::ShowItemHint() const
{
    return m_style->ShowItemHint;
}

void TVekMainMenu::SetShowItemHint(bool show)
{
    m_style->ShowItemHint = show;
    Repaint();
}

void TVekMainMenu::SetSystemFont(bool system)
{
    m_systemFont = system;
    if (system)
        setFont(QApplication::font("QMenuBar"));
}

TVekPopupMenu *TVekMainMenu::AddMenu(const QString &title)
{
    auto *menu = new TVekPopupMenu(title, this);
    menu->SetSystemFont(m_systemFont);
    menu->SetColors(m_style->Colors);
    menu->SetBoldCaption(m_style->BoldCaption);
    menu->SetShowItemHint(m_style->ShowItemHint);
    addMenu(menu);
    return menu;
}

void TVekMainMenu::Repaint()
{
    for (TVekPopupMenu *menu : findChildren<TVekPopupMenu *>(QString(), Qt::FindDirectChildrenOnly)) {
        menu->SetColors(m_style->Colors);
        menu->SetBoldCaption(m_style->BoldCaption);
        menu->SetShowItemHint(m_style->ShowItemHint);
    }
    update();
}
