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
    // A spin field steps its number by one with the up and down arrow keys,
    // within its range.
    void SetSpin(bool spin) { spin_ = spin; }
    void SetMinMax(long min, long max);

    Event<> modified{this, "modified"};
    // A key pressed in the field, before the field handles it.
    Event<KeyCode, unsigned> keydown{this, "keydown"}; // key, keyflags

private:
    friend class KeyDownFilter;
    // Steps the number by `by` within the range; true when the field spins.
    bool spinBy(int by);
    QLineEdit *edit() const;
    bool spin_ = false;
    long min_ = 0, max_ = 0;
};

} // namespace runtime
