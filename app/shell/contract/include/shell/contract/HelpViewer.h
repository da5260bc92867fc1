#pragma once

namespace shell::contract {

/// Opens the help pages of the current language at the section of a help context number (0: the
/// contents). The program opens them in the desktop's browser; a test records the numbers.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showHelp(int contextId) = 0;
};

} // namespace shell::contract
