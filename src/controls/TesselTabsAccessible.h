#pragma once

#include <QAccessibleWidget>

class TTesselTabsControl;

// What assistive tools see of a tab strip: a page-tab list whose children
// are its tabs from left to right (not in the stacking order, which changes
// as tabs are activated), with the active tab as the focused child.
class TTesselTabsAccessible : public QAccessibleWidget
{
public:
    explicit TTesselTabsAccessible(TTesselTabsControl *strip);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;

private:
    TTesselTabsControl *Strip() const;
};
