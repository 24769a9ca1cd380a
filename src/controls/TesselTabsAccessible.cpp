#include "controls/TesselTabsAccessible.h"

#include "controls/TesselTab.h"
#include "controls/TesselTabsControl.h"

TTesselTabsAccessible::TTesselTabsAccessible(TTesselTabsControl *strip)
    : QAccessibleWidget(strip, QAccessible::PageTabList)
{
}

int TTesselTabsAccessible::childCount() const
{
    return Strip()->TabCount();
}

QAccessibleInterface *TTesselTabsAccessible::child(int index) const
{
    TTesselTab *tab = Strip()->Tab(index);
    return tab ? QAccessible::queryAccessibleInterface(tab) : nullptr;
}

int TTesselTabsAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    const TTesselTabsControl *strip = Strip();
    for (int i = 0; i < strip->TabCount(); ++i) {
        if (child->object() == strip->Tab(i))
            return i;
    }
    return -1;
}

QAccessibleInterface *TTesselTabsAccessible::focusChild() const
{
    const TTesselTabsControl *strip = Strip();
    if (!strip->hasFocus())
        return nullptr;
    return child(strip->TabIndex());
}

TTesselTabsControl *TTesselTabsAccessible::Strip() const
{
    return static_cast<TTesselTabsControl *>(widget());
}
