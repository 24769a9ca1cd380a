#pragma once

#include <QAccessibleWidget>

class TTesselTab;

// What assistive tools see of a strip's tab: a page tab named by its
// caption, checked and selected while active, focused while the strip holds
// the focus and the tab is active; pressing it activates it.
class TTesselTabAccessible : public QAccessibleWidget
{
public:
    explicit TTesselTabAccessible(TTesselTab *tab);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    TTesselTab *Tab() const;
};
