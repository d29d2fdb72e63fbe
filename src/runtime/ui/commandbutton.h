// Command button. The window's default button answers Enter, its cancel
// button Escape.
#pragma once

#include "runtime/ui/control.h"

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

} // namespace runtime
