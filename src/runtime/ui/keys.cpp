#include "runtime/ui/keys.h"

#include <QKeyEvent>

namespace runtime {

namespace {

KeyCode offset(KeyCode first, int by) { return static_cast<KeyCode>(static_cast<int>(first) + by); }

// A key of the numeric pad. With NumLock on it types a digit or a sign; with
// NumLock off, or with Shift under NumLock, the digits arrive as the
// navigation keys printed beneath them, and still count as the digits.
KeyCode numberPadKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return offset(KeyCode::KeyNumpad0, key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Insert: return KeyCode::KeyNumpad0;
    case Qt::Key_End: return KeyCode::KeyNumpad1;
    case Qt::Key_Down: return KeyCode::KeyNumpad2;
    case Qt::Key_PageDown: return KeyCode::KeyNumpad3;
    case Qt::Key_Left: return KeyCode::KeyNumpad4;
    case Qt::Key_Clear: return KeyCode::KeyNumpad5;
    case Qt::Key_Right: return KeyCode::KeyNumpad6;
    case Qt::Key_Home: return KeyCode::KeyNumpad7;
    case Qt::Key_Up: return KeyCode::KeyNumpad8;
    case Qt::Key_PageUp: return KeyCode::KeyNumpad9;
    case Qt::Key_Asterisk: return KeyCode::KeyMultiply;
    case Qt::Key_Plus: return KeyCode::KeyAdd;
    case Qt::Key_Minus: return KeyCode::KeySubtract;
    case Qt::Key_Period: case Qt::Key_Comma: case Qt::Key_Delete: return KeyCode::KeyDecimal;
    case Qt::Key_Slash: return KeyCode::KeyDivide;
    case Qt::Key_Enter: return KeyCode::KeyEnter;
    default: return KeyCode::KeyNone;
    }
}

// The digit row by its XKB keycode (the Linux key number + 8): 10 is the key
// 1, 18 the key 9 and 19 the key 0, whatever they type under Shift or in
// another layout.
KeyCode digitRowKey(quint32 scanCode)
{
    if (scanCode >= 10 && scanCode <= 18)
        return offset(KeyCode::Key1, static_cast<int>(scanCode - 10));
    if (scanCode == 19)
        return KeyCode::Key0;
    return KeyCode::KeyNone;
}

// What Shift makes of the digit row on a US keyboard.
KeyCode shiftedDigitKey(int key)
{
    switch (key) {
    case Qt::Key_Exclam: return KeyCode::Key1;
    case Qt::Key_At: return KeyCode::Key2;
    case Qt::Key_NumberSign: return KeyCode::Key3;
    case Qt::Key_Dollar: return KeyCode::Key4;
    case Qt::Key_Percent: return KeyCode::Key5;
    case Qt::Key_AsciiCircum: return KeyCode::Key6;
    case Qt::Key_Ampersand: return KeyCode::Key7;
    case Qt::Key_Asterisk: return KeyCode::Key8;
    case Qt::Key_ParenLeft: return KeyCode::Key9;
    case Qt::Key_ParenRight: return KeyCode::Key0;
    default: return KeyCode::KeyNone;
    }
}

// Any other key of the main keyboard, by the key Qt reports.
KeyCode mainKeyboardKey(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return offset(KeyCode::KeyA, key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return offset(KeyCode::Key0, key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return offset(KeyCode::KeyF1, key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return KeyCode::KeyBack;
    case Qt::Key_Tab: case Qt::Key_Backtab: return KeyCode::KeyTab;
    case Qt::Key_Return: case Qt::Key_Enter: return KeyCode::KeyEnter;
    case Qt::Key_Shift: return KeyCode::KeyShift;
    case Qt::Key_Control: return KeyCode::KeyControl;
    case Qt::Key_Alt: return KeyCode::KeyAlt;
    case Qt::Key_Pause: return KeyCode::KeyPause;
    case Qt::Key_CapsLock: return KeyCode::KeyCapsLock;
    case Qt::Key_Escape: return KeyCode::KeyEscape;
    case Qt::Key_Space: return KeyCode::KeySpaceBar;
    case Qt::Key_PageUp: return KeyCode::KeyPageUp;
    case Qt::Key_PageDown: return KeyCode::KeyPageDown;
    case Qt::Key_End: return KeyCode::KeyEnd;
    case Qt::Key_Home: return KeyCode::KeyHome;
    case Qt::Key_Left: return KeyCode::KeyLeftArrow;
    case Qt::Key_Up: return KeyCode::KeyUpArrow;
    case Qt::Key_Right: return KeyCode::KeyRightArrow;
    case Qt::Key_Down: return KeyCode::KeyDownArrow;
    case Qt::Key_Insert: return KeyCode::KeyInsert;
    case Qt::Key_Delete: return KeyCode::KeyDelete;
    case Qt::Key_Plus: return KeyCode::KeyEqual; // '+' is shifted '=' on the main keyboard
    case Qt::Key_Semicolon: case Qt::Key_Colon: return KeyCode::KeySemiColon;
    case Qt::Key_Equal: return KeyCode::KeyEqual;
    case Qt::Key_Comma: case Qt::Key_Less: return KeyCode::KeyComma;
    case Qt::Key_Minus: case Qt::Key_Underscore: return KeyCode::KeyDash;
    case Qt::Key_Period: case Qt::Key_Greater: return KeyCode::KeyPeriod;
    case Qt::Key_Slash: case Qt::Key_Question: return KeyCode::KeySlash;
    case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return KeyCode::KeyBackQuote;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return KeyCode::KeyLeftBracket;
    case Qt::Key_Backslash: case Qt::Key_Bar: return KeyCode::KeyBackSlash;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return KeyCode::KeyRightBracket;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return KeyCode::KeyQuote;
    default: return KeyCode::KeyNone;
    }
}

} // namespace

KeyCode VirtualKeyCode(const QKeyEvent &event)
{
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        const KeyCode pad = numberPadKey(key);
        if (pad != KeyCode::KeyNone)
            return pad;
    }
    // The platform's key number, when it sent one, tells the digit row's key
    // apart from the character it typed.
    const bool native = event.nativeScanCode() != 0;
    const KeyCode digit = native ? digitRowKey(event.nativeScanCode()) : shiftedDigitKey(key);
    if (digit != KeyCode::KeyNone)
        return digit;
    return mainKeyboardKey(key);
}

unsigned KeyFlags(const QKeyEvent &event)
{
    unsigned flags = 0;
    if (event.modifiers() & Qt::ShiftModifier)
        flags |= kShiftFlag;
    if (event.modifiers() & Qt::ControlModifier)
        flags |= kControlFlag;
    return flags;
}

} // namespace runtime
