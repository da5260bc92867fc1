#include "KeyCodes.h"

#include <QKeyEvent>
#include <array>
#include <utility>

namespace controls {

namespace {

constexpr std::array<std::pair<int, int>, 20> Named{{
    {Qt::Key_Backspace, KeyCode::Back},
    {Qt::Key_Tab, KeyCode::Tab},
    {Qt::Key_Backtab, KeyCode::Tab},
    {Qt::Key_Return, KeyCode::Return},
    {Qt::Key_Enter, KeyCode::Return},
    {Qt::Key_Escape, KeyCode::Escape},
    {Qt::Key_Space, KeyCode::Space},
    {Qt::Key_PageUp, KeyCode::PageUp},
    {Qt::Key_PageDown, KeyCode::PageDown},
    {Qt::Key_End, KeyCode::End},
    {Qt::Key_Home, KeyCode::Home},
    {Qt::Key_Left, KeyCode::Left},
    {Qt::Key_Up, KeyCode::Up},
    {Qt::Key_Right, KeyCode::Right},
    {Qt::Key_Down, KeyCode::Down},
    {Qt::Key_Insert, KeyCode::Insert},
    {Qt::Key_Delete, KeyCode::Delete},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
}};

} // namespace

int keyCodeOf(const QKeyEvent& event) {
    const int key = event.key();
    for (const auto& [qt, code] : Named) {
        if (qt == key) {
            return code;
        }
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return key; // Qt's codes of letters and digits are their capitals' character codes
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return KeyCode::F1 + (key - Qt::Key_F1);
    }
    return 0;
}

int shiftStateOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) +
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) + (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

int mouseButtonsOf(Qt::MouseButtons buttons) {
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) + (buttons.testFlag(Qt::RightButton) ? 2 : 0) +
           (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

} // namespace controls
