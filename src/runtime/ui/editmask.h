// Edit mask: a one-line edit field whose input follows a mask of "#"
// (a digit) and "!" / "a" / "x" (any character) places.
#pragma once

#include "runtime/ui/control.h"
#include "runtime/ui/keys.h"

class QLineEdit;
class QToolButton;

namespace runtime {

class EditMask : public Control {
public:
    EditMask(ControlParent &parent, const String &name);

    String Text() const;
    void SetText(const String &text);
    void SetMask(const String &mask);
    // A spin field steps its number by one, within its range, with the up
    // and down arrow keys and with the pair of arrow buttons at its right.
    void SetSpin(bool spin);
    void SetMinMax(long min, long max);

    Event<> modified{this, "modified"};
    // A key pressed in the field, before the field handles it.
    Event<KeyCode, unsigned> keydown{this, "keydown"}; // key, keyflags

private:
    friend class FieldFilter;
    // Steps the number by `by` within the range; true when the field spins.
    bool spinBy(int by);
    QLineEdit *edit() const;
    // Places the arrow buttons along the field's right edge.
    void placeArrows();
    bool spin_ = false;
    QToolButton *up_ = nullptr, *down_ = nullptr;
    long min_ = 0, max_ = 0;
};

} // namespace runtime
