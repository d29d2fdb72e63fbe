// Key codes of the window's key event: the platform's virtual key numbers,
// whatever control has the focus. A code names the key that was pressed, not
// the character it typed: Shift+1 is key 1, and the numeric pad's keys are
// its digits whether NumLock is on or off.
#pragma once

class QKeyEvent;

namespace runtime {

enum class KeyCode : int {
    KeyNone = 0,
    KeyBack = 8,
    KeyTab = 9,
    KeyEnter = 13,
    KeyShift = 16,
    KeyControl = 17,
    KeyAlt = 18,
    KeyPause = 19,
    KeyCapsLock = 20,
    KeyEscape = 27,
    KeySpaceBar = 32,
    KeyPageUp = 33,
    KeyPageDown = 34,
    KeyEnd = 35,
    KeyHome = 36,
    KeyLeftArrow = 37,
    KeyUpArrow = 38,
    KeyRightArrow = 39,
    KeyDownArrow = 40,
    KeyInsert = 45,
    KeyDelete = 46,
    Key0 = 48, Key1, Key2, Key3, Key4, Key5, Key6, Key7, Key8, Key9,
    KeyA = 65, KeyB, KeyC, KeyD, KeyE, KeyF, KeyG, KeyH, KeyI, KeyJ, KeyK, KeyL, KeyM,
    KeyN, KeyO, KeyP, KeyQ, KeyR, KeyS, KeyT, KeyU, KeyV, KeyW, KeyX, KeyY, KeyZ,
    KeyNumpad0 = 96, KeyNumpad1, KeyNumpad2, KeyNumpad3, KeyNumpad4,
    KeyNumpad5, KeyNumpad6, KeyNumpad7, KeyNumpad8, KeyNumpad9,
    KeyMultiply = 106,
    KeyAdd = 107,
    KeySubtract = 109,
    KeyDecimal = 110,
    KeyDivide = 111,
    KeyF1 = 112, KeyF2, KeyF3, KeyF4, KeyF5, KeyF6, KeyF7, KeyF8, KeyF9, KeyF10, KeyF11, KeyF12,
    KeySemiColon = 186,
    KeyEqual = 187,
    KeyComma = 188,
    KeyDash = 189,
    KeyPeriod = 190,
    KeySlash = 191,
    KeyBackQuote = 192,
    KeyLeftBracket = 219,
    KeyBackSlash = 220,
    KeyRightBracket = 221,
    KeyQuote = 222,
};

// Modifier bits of the key event's keyflags.
inline constexpr unsigned kShiftFlag = 1;
inline constexpr unsigned kControlFlag = 2;

// The key of a Qt key event. Where the platform reports its own key number
// (the XKB keycode of X11 and Wayland), the digit row is found by it, so a
// shifted digit is still its digit; an event without one, such as Qt sends
// in tests, is read by its Qt key, shifted digits as on a US keyboard.
KeyCode VirtualKeyCode(const QKeyEvent &event);
unsigned KeyFlags(const QKeyEvent &event);

} // namespace runtime
