#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace shell::contract {

/// The error window: shows the module, procedure, number and description of a failure that the
/// object model reported (its Error or ThrowException events), and lets the user save them with the
/// program's versions as a text report. The program's implementation restores the normal mouse
/// pointer first and shows the window modally; a test records the calls.
class ErrorWindow {
public:
    virtual ~ErrorWindow() = default;
    virtual void ShowErrorForm(QWidget* parent, const QString& modul, const QString& procedure,
                               std::int32_t number, const QString& description) = 0;
};

} // namespace shell::contract
