#include "controls/ControlAccessibility.h"

#include "controls/TesselTab.h"
#include "controls/TesselTabAccessible.h"
#include "controls/TesselTabsAccessible.h"
#include "controls/TesselTabsControl.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface *ControlInterface(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("TTesselTab"))
        return new TTesselTabAccessible(static_cast<TTesselTab *>(widget));
    if (className == QLatin1String("TTesselTabsControl"))
        return new TTesselTabsAccessible(static_cast<TTesselTabsControl *>(widget));
    if (className == QLatin1String("TVistaGroupBox"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}

} // namespace

void InstallControlAccessibility()
{
    // Qt keeps the factory list; registering twice would only ask twice.
    static const bool installed = [] {
        QAccessible::installFactory(&ControlInterface);
        return true;
    }();
    (void)installed;
}
