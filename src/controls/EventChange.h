#pragma once

#include <functional>

class TVekMenuDesigner;

// One listener of a menu designer: what a linked menu or tool bar registers
// to hear of every change of the scheme.
class TEventChange
{
public:
    std::function<void(TVekMenuDesigner *sender)> OnChange;
};
