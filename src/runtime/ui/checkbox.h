// Check box: a click flips the tick, then runs the clicked script.
#pragma once

#include "runtime/ui/control.h"

class QCheckBox;

namespace runtime {

class CheckBox : public Control {
public:
    CheckBox(ControlParent &parent, const String &name);

    const String &Text() const { return text_; }
    void SetText(const String &text);
    bool Checked() const;
    void SetChecked(bool checked);

    Event<> clicked{this, "clicked"};

private:
    QCheckBox *box() const;
    String text_;
};

} // namespace runtime
