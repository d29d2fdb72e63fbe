// Command button. The window's default button answers Enter, its cancel
// button Escape, while it is visible and enabled.
#pragma once

#include "runtime/ui/control.h"
#include "runtime/ui/keys.h"

class QPushButton;

namespace runtime {

class CommandButton : public Control {
public:
    CommandButton(ControlParent &parent, const String &name);

    const String &Text() const { return text_; }
    void SetText(const String &text);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool isCancel);

    Event<> clicked{this, "clicked"};

private:
    QPushButton *button() const;
    String text_;
    bool default_ = false, cancel_ = false;
};

// Presses the first visible and enabled default button (for Enter) or cancel
// button (for Escape) of the window; false when none takes the key, which
// then goes on to the window's key event and the focused control.
bool PressDefaultOrCancel(const ControlParent &window, KeyCode key);

} // namespace runtime
