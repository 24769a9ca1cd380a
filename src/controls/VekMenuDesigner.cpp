#include "controls/VekMenuDesigner.h"

#include "controls/EventChange.h"

#include <algorithm>

TVekMenuDesigner::TVekMenuDesigner(QObject *parent)
    : QObject(parent), m_colors(MenuPreset(TMenuDesign::mdBLUE))
{
}

void TVekMenuDesigner::SetMenuDesign(TMenuDesign design)
{
    m_design = design;
    LoadPreset(design);
}

void TVekMenuDesigner::LoadPreset(TMenuDesign design)
{
    m_colors = MenuPreset(design);
    Notify();
}

void TVekMenuDesigner::SetMenuColors(const TMenuColors &colors)
{
    m_colors = colors;
    Notify();
}

void TVekMenuDesigner::AddChangeEvent(TEventChange *event)
{
    if (event != nullptr && std::find(m_events.begin(), m_events.end(), event) == m_events.end())
        m_events.push_back(event);
}

void TVekMenuDesigner::DeleteChangeEvent(TEventChange *event)
{
    m_events.erase(std::remove(m_events.begin(), m_events.end(), event), m_events.end());
}

void TVekMenuDesigner::Notify()
{
    // A listener may unlink itself while being told; work on a copy and skip
    // whoever is gone by then.
    const std::vector<TEventChange *> events = m_events;
    for (TEventChange *event : events) {
        if (std::find(m_events.begin(), m_events.end(), event) != m_events.end() && event->OnChange)
            event->OnChange(this);
    }
    emit Change(this);
}
