#pragma once

#include "controls/EventChange.h"
#include "controls/MenuColors.h"
#include "controls/VekMenuDesigner.h"

#include <QPointer>

#include <functional>
#include <span>

// The link of one menu or tool bar to a menu designer: registers with it,
// copies the consumer's share of the colours on linking and on every
// change, and unregisters when it goes.
class TMenuDesignerLink
{
public:
    using TApply = std::function<void(const TMenuColors &designerColors)>;

    TMenuDesignerLink(std::span<const TMenuColorField> fields, TApply apply);
    ~TMenuDesignerLink();
    TMenuDesignerLink(const TMenuDesignerLink &) = delete;
    TMenuDesignerLink &operator=(const TMenuDesignerLink &) = delete;

    // Links to the designer and takes its colours at once; nullptr unlinks.
    void SetDesigner(TVekMenuDesigner *designer);
    TVekMenuDesigner *Designer() const { return m_designer; }

    std::span<const TMenuColorField> Fields() const { return m_fields; }

private:
    void Unlink();

    std::span<const TMenuColorField> m_fields;
    TApply m_apply;
    TEventChange m_event;
    QPointer<TVekMenuDesigner> m_designer;
};
