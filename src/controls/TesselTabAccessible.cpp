#include "controls/TesselTabAccessible.h"

#include "controls/TesselTab.h"

TTesselTabAccessible::TTesselTabAccessible(TTesselTab *tab)
    : QAccessibleWidget(tab, QAccessible::PageTab)
{
}

QAccessible::State TTesselTabAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    const TTesselTab *tab = Tab();
    state.selectable = true;
    state.checkable = true;
    state.selected = tab->Active();
    state.checked = tab->Active();
    state.hotTracked = tab->Hover();
    const QWidget *strip = tab->parentWidget();
    state.focusable = strip && strip->focusPolicy() != Qt::NoFocus;
    state.focused = tab->Active() && strip && strip->hasFocus();
    return state;
}

QStringList TTesselTabAccessible::actionNames() const
{
    return {pressAction()};
}

void TTesselTabAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        Tab()->click();
}

TTesselTab *TTesselTabAccessible::Tab() const
{
    return static_cast<TTesselTab *>(widget());
}
