// User object: a control of the program's own class, which may hold controls
// of its own. Its constructor event runs before the window's open event.
#pragma once

#include "runtime/ui/borderstyle.h"
#include "runtime/ui/control.h"

namespace runtime {

class UserObject : public Control, public ControlParent {
public:
    UserObject(ControlParent &parent, const String &name);

    void SetBorderStyle(BorderStyle style);

    QWidget *Canvas() const override { return widget(); }
    PowerObject &AsObject() override { return *this; }
};

} // namespace runtime
