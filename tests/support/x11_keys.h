// Key presses as the xcb platform delivers them, replayed through Qt's
// window-system interface so that the whole of Qt's delivery path runs: the
// focus widget of the window, modal blocking, shortcut override.
//
// The values were observed from an X server (Xvfb, evdev keycodes, US layout)
// with a Qt probe on QT_QPA_PLATFORM=xcb, the keys pressed with xdotool: the
// QKeyEvent's key(), modifiers(), text(), nativeScanCode() (the X keycode),
// nativeVirtualKey() (the keysym) and nativeModifiers() (the X state).
#pragma once

#include <QString>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <iterator>

struct X11Key {
    const char *name; // as xdotool names it
    int key;
    Qt::KeyboardModifiers modifiers;
    const char *text;
    quint32 keycode, keysym, state;
};

namespace x11 {

inline constexpr quint32 kShiftMask = 0x1, kControlMask = 0x4, kAltMask = 0x8, kNumLockMask = 0x10;
inline constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier, kShift = Qt::ShiftModifier,
                                       kCtrl = Qt::ControlModifier, kAlt = Qt::AltModifier,
                                       kPad = Qt::KeypadModifier;

// The digit row: xdotool key 1 … 9, 0.
inline X11Key Digit(int d)
{
    static const char *texts[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    return {texts[d], Qt::Key_0 + d, kNone, texts[d], d == 0 ? 19u : 9u + static_cast<quint32>(d),
            0x30u + static_cast<quint32>(d), 0};
}

// Shift with the digit row delivers the shifted character as the key.
inline constexpr X11Key Shift1{"shift+1", Qt::Key_Exclam, kShift, "!", 10, 0x21, kShiftMask};
inline constexpr X11Key Shift2{"shift+2", Qt::Key_At, kShift, "@", 11, 0x40, kShiftMask};
inline constexpr X11Key Shift3{"shift+3", Qt::Key_NumberSign, kShift, "#", 12, 0x23, kShiftMask};
inline constexpr X11Key Shift4{"shift+4", Qt::Key_Dollar, kShift, "$", 13, 0x24, kShiftMask};
inline constexpr X11Key Shift5{"shift+5", Qt::Key_Percent, kShift, "%", 14, 0x25, kShiftMask};
inline constexpr X11Key Shift6{"shift+6", Qt::Key_AsciiCircum, kShift, "^", 15, 0x5e, kShiftMask};
inline constexpr X11Key Shift7{"shift+7", Qt::Key_Ampersand, kShift, "&", 16, 0x26, kShiftMask};
inline constexpr X11Key Shift8{"shift+8", Qt::Key_Asterisk, kShift, "*", 17, 0x2a, kShiftMask};
inline constexpr X11Key Shift9{"shift+9", Qt::Key_ParenLeft, kShift, "(", 18, 0x28, kShiftMask};
inline constexpr X11Key Ctrl1{"ctrl+1", Qt::Key_1, kCtrl, "1", 10, 0x31, kControlMask};
inline constexpr X11Key Ctrl8{"ctrl+8", Qt::Key_8, kCtrl, "\x7f", 17, 0x38, kControlMask};
inline constexpr X11Key Alt1{"alt+1", Qt::Key_1, kAlt, "1", 10, 0x31, kAltMask};
inline constexpr X11Key Alt8{"alt+8", Qt::Key_8, kAlt, "8", 17, 0x38, kAltMask};

// Other keys of the main keyboard.
inline constexpr X11Key Minus{"minus", Qt::Key_Minus, kNone, "-", 20, 0x2d, 0};
inline constexpr X11Key Equal{"equal", Qt::Key_Equal, kNone, "=", 21, 0x3d, 0};
inline constexpr X11Key Plus{"shift+equal", Qt::Key_Plus, kShift, "+", 21, 0x2b, kShiftMask};
inline constexpr X11Key LetterA{"a", Qt::Key_A, kNone, "a", 38, 0x61, 0};
inline constexpr X11Key ShiftA{"shift+a", Qt::Key_A, kShift, "A", 38, 0x41, kShiftMask};
inline constexpr X11Key Return{"Return", Qt::Key_Return, kNone, "\r", 36, 0xff0d, 0};
inline constexpr X11Key Escape{"Escape", Qt::Key_Escape, kNone, "\x1b", 9, 0xff1b, 0};

// The numeric pad with NumLock off: the signs, Enter, and the digits as the
// navigation keys printed beneath them.
inline constexpr X11Key KpEnter{"KP_Enter", Qt::Key_Enter, kPad, "\r", 104, 0xff8d, 0};
inline constexpr X11Key KpAdd{"KP_Add", Qt::Key_Plus, kPad, "+", 86, 0xffab, 0};
inline constexpr X11Key KpMultiply{"KP_Multiply", Qt::Key_Asterisk, kPad, "*", 63, 0xffaa, 0};
inline constexpr X11Key KpSubtract{"KP_Subtract", Qt::Key_Minus, kPad, "-", 82, 0xffad, 0};
inline constexpr X11Key KpEnd{"KP_End", Qt::Key_End, kPad, "", 87, 0xff9c, 0};
inline constexpr X11Key KpDown{"KP_Down", Qt::Key_Down, kPad, "", 88, 0xff99, 0};
inline constexpr X11Key KpNext{"KP_Next", Qt::Key_PageDown, kPad, "", 89, 0xff9b, 0};
inline constexpr X11Key KpLeft{"KP_Left", Qt::Key_Left, kPad, "", 83, 0xff96, 0};
inline constexpr X11Key KpBegin{"KP_Begin", Qt::Key_Clear, kPad, "", 84, 0xff9d, 0};
inline constexpr X11Key KpRight{"KP_Right", Qt::Key_Right, kPad, "", 85, 0xff98, 0};
inline constexpr X11Key KpHome{"KP_Home", Qt::Key_Home, kPad, "", 79, 0xff95, 0};
inline constexpr X11Key KpUp{"KP_Up", Qt::Key_Up, kPad, "", 80, 0xff97, 0};
inline constexpr X11Key KpPrior{"KP_Prior", Qt::Key_PageUp, kPad, "", 81, 0xff9a, 0};
inline constexpr X11Key KpInsert{"KP_Insert", Qt::Key_Insert, kPad, "", 90, 0xff9e, 0};

// The numeric pad with NumLock on: KP_1 … KP_9, KP_0.
inline X11Key KpDigit(int d)
{
    static const char *names[] = {"KP_0", "KP_1", "KP_2", "KP_3", "KP_4", "KP_5", "KP_6", "KP_7", "KP_8", "KP_9"};
    static const char *texts[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    static const quint32 keycodes[] = {90, 87, 88, 89, 83, 84, 85, 79, 80, 81};
    return {names[d], Qt::Key_0 + d, kPad, texts[d], keycodes[d], 0xffb0u + static_cast<quint32>(d), kNumLockMask};
}
inline constexpr X11Key KpAddLocked{"KP_Add (NumLock)", Qt::Key_Plus, kPad, "+", 86, 0xffab, kNumLockMask};
inline constexpr X11Key KpSubtractLocked{"KP_Subtract (NumLock)", Qt::Key_Minus, kPad, "-", 82, 0xffad, kNumLockMask};
inline constexpr X11Key KpMultiplyLocked{"KP_Multiply (NumLock)", Qt::Key_Asterisk, kPad, "*", 63, 0xffaa,
                                         kNumLockMask};
// Shift under NumLock gives the navigation key back; Ctrl keeps the digit.
inline constexpr X11Key ShiftKp1Locked{"shift+KP_1 (NumLock)", Qt::Key_End, kShift | kPad, "", 87, 0xff9c,
                                       kNumLockMask | kShiftMask};
inline constexpr X11Key CtrlKp1Locked{"ctrl+KP_1 (NumLock)", Qt::Key_1, kCtrl | kPad, "1", 87, 0xffb1,
                                      kNumLockMask | kControlMask};

// Presses and releases the key in the window, each modifier first pressed
// and last released as the X server sends them, and lets Qt deliver it all.
inline void Press(QWindow *window, const X11Key &k)
{
    struct Modifier {
        Qt::KeyboardModifier flag;
        int key;
        quint32 keycode, keysym, mask;
    } const held[] = {{Qt::ShiftModifier, Qt::Key_Shift, 50, 0xffe1, kShiftMask},
                      {Qt::ControlModifier, Qt::Key_Control, 37, 0xffe3, kControlMask},
                      {Qt::AltModifier, Qt::Key_Alt, 64, 0xffe9, kAltMask}};
    quint32 state = k.state & kNumLockMask;
    Qt::KeyboardModifiers down;
    for (const Modifier &m : held)
        if (k.modifiers & m.flag) {
            down |= m.flag;
            QWindowSystemInterface::handleExtendedKeyEvent(window, QEvent::KeyPress, m.key, down, m.keycode, m.keysym,
                                                           state);
            state |= m.mask;
        }
    const QString text = QString::fromLatin1(k.text);
    QWindowSystemInterface::handleExtendedKeyEvent(window, QEvent::KeyPress, k.key, k.modifiers, k.keycode, k.keysym,
                                                   k.state, text);
    QWindowSystemInterface::handleExtendedKeyEvent(window, QEvent::KeyRelease, k.key, k.modifiers, k.keycode,
                                                   k.keysym, k.state, text);
    for (auto m = std::rbegin(held); m != std::rend(held); ++m)
        if (k.modifiers & m->flag) {
            state &= ~m->mask;
            down &= ~m->flag;
            QWindowSystemInterface::handleExtendedKeyEvent(window, QEvent::KeyRelease, m->key, down, m->keycode,
                                                           m->keysym, state | m->mask);
        }
    QWindowSystemInterface::flushWindowSystemEvents();
}

// The same, into the top-level window of a widget.
inline void Press(QWidget *widget, const X11Key &k) { Press(widget->window()->windowHandle(), k); }

} // namespace x11
