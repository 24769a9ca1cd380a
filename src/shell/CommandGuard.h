#pragma once

#include <exception>
#include <utility>

class QWidget;

// Shows what an aborted command threw in the general error report.
void ReportCommandFailure(QWidget *parent, std::exception_ptr failure);

// Every command enters through here: what the command does not handle
// itself ends the command and is reported; the program goes on. Nothing
// thrown ever reaches the event loop.
template <typename Command>
bool RunCommand(QWidget *parent, Command &&command)
{
    try {
        std::forward<Command>(command)();
        return true;
    } catch (...) {
        ReportCommandFailure(parent, std::current_exception());
        return false;
    }
}
