#pragma once

namespace display {

/// The hourglass while a list loads: set when made, taken away when the scope ends on every path,
/// errors included.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    /// The normal pointer, whatever was stacked (before an error window shows).
    static void restoreAll();
};

} // namespace display
