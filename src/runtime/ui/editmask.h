// Edit mask: a one-line edit field whose input follows a mask of "#"
// (a digit) and "!" / "a" / "x" (any character) places.
#pragma once

#include "runtime/ui/control.h"
#include "runtime/ui/keys.h"

class QLineEdit;

namespace runtime {

class EditMask : public Control {
public:
    EditMask(ControlParent &parent, const String &name);

    String Text() const;
    void SetText(const String &text);
    void SetMask(const String &mask);

    Event<> modified{this, "modified"};
    // A key pressed in the field, before the field handles it.
    Event<KeyCode, unsigned> keydown{this, "keydown"}; // key, keyflags

private:
    QLineEdit *edit() const;
};

} // namespace runtime
