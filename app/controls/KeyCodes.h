#pragma once

#include <Qt>

class QKeyEvent;

namespace controls {

/// The key codes and shift states the windows compare key notifications with: Enter 13, Tab 9,
/// Escape 27, Delete 46, the arrows 37 to 40, F1 112, letters as their capitals, digits as
/// themselves. Shift state: 1 Shift, 2 Ctrl, 4 Alt, added up.
namespace KeyCode {
inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Insert = 45;
inline constexpr int Delete = 46;
inline constexpr int F1 = 112;
} // namespace KeyCode

/// 0 for a key that has no code of its own (a lone modifier, for example).
[[nodiscard]] int keyCodeOf(const QKeyEvent& event);
[[nodiscard]] int shiftStateOf(Qt::KeyboardModifiers modifiers);

/// Mouse buttons as the windows see them: 1 left, 2 right, 4 middle, added up.
[[nodiscard]] int mouseButtonsOf(Qt::MouseButtons buttons);

} // namespace controls
