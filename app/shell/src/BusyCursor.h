#pragma once

#include <QApplication>

namespace shell {

/// Shows the busy pointer while work runs; the destructor takes it away again on every path out of the
/// scope, errors included.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    /// The normal pointer, whatever was stacked (before a window shows an error).
    static void restoreAll() {
        while (QApplication::overrideCursor() != nullptr) {
            QApplication::restoreOverrideCursor();
        }
    }
};

} // namespace shell
