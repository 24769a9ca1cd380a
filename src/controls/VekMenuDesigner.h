#pragma once

#include "controls/MenuColors.h"

#include <QObject>

#include <vector>

class TEventChange;

// Holds the colour scheme of menus and tool bars and tells every linked
// menu and tool bar when it changes.
class TVekMenuDesigner : public QObject
{
    Q_OBJECT

public:
    explicit TVekMenuDesigner(QObject *parent = nullptr);

    TMenuDesign MenuDesign() const { return m_design; }
    // Stores the design and loads its colours.
    void SetMenuDesign(TMenuDesign design);

    // Single colours may be edited here without a notification.
    TMenuColors &MenuColors() { return m_colors; }
    const TMenuColors &MenuColors() const { return m_colors; }

    void SetBlueColors() { LoadPreset(TMenuDesign::mdBLUE); }
    void SetSilverColors() { LoadPreset(TMenuDesign::mdSILVER); }
    void SetSandColors() { LoadPreset(TMenuDesign::mdSAND); }
    void SetFlatColors() { LoadPreset(TMenuDesign::mdFLAT); }
    void SetModernColors() { LoadPreset(TMenuDesign::mdMODERN); }
    void SetOfficeColors() { LoadPreset(TMenuDesign::mdOFFICE); }
    void SetWindows10Colors() { LoadPreset(TMenuDesign::mdWINDOWS10); }
    // Takes all twenty-eight colours of another scheme.
    void SetMenuColors(const TMenuColors &colors);

    // Listeners are told in the order they were added; adding one twice or
    // removing one that is not there changes nothing. The designer does not
    // own them: whoever adds one removes it before it goes.
    void AddChangeEvent(TEventChange *event);
    void DeleteChangeEvent(TEventChange *event);

signals:
    // After every listener has been told.
    void Change(TVekMenuDesigner *sender);

private:
    void LoadPreset(TMenuDesign design);
    void Notify();

    TMenuDesign m_design = TMenuDesign::mdBLUE;
    TMenuColors m_colors;
    std::vector<TEventChange *> m_events;
};
