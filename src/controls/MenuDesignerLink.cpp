#include "controls/MenuDesignerLink.h"

#include "controls/VekMenuDesigner.h"

TMenuDesignerLink::TMenuDesignerLink(std::span<const TMenuColorField> fields, TApply apply)
    : m_fields(fields), m_apply(std::move(apply))
{
}

TMenuDesignerLink::~TMenuDesignerLink()
{
    Unlink();
}

void TMenuDesignerLink::SetDesigner(TVekMenuDesigner *designer)
{
    if (designer == m_designer)
        return;
    Unlink();
    if (designer == nullptr)
        return;
    m_designer = designer;
    m_event.OnChange = [this](TVekMenuDesigner *sender) {
        if (sender != nullptr)
            m_apply(sender->MenuColors());
    };
    designer->AddChangeEvent(&m_event);
    m_apply(designer->MenuColors());
}

void TMenuDesignerLink::Unlink()
{
    if (m_designer)
        m_designer->DeleteChangeEvent(&m_event);
    m_event.OnChange = nullptr;
    m_designer = nullptr;
}
