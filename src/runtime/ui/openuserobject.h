// User objects that a script opens in a window (or another user object) at
// run time, rather than declaring them as controls. The parent owns them:
// they stay until CloseUserObject or the parent's end.
#pragma once

#include "runtime/ui/control.h"

#include <memory>

namespace runtime {

// Hands a control made for parent to parent, which keeps it.
void AdoptControl(ControlParent &parent, std::unique_ptr<Control> control);
// Runs the constructor events of a new control: its own controls' first,
// then its own.
void RunConstructors(Control &control);

// Creates an object of class T as a control of parent, named after its
// class, at x, y (window units), behind the controls already there; the
// constructor events run before it returns, and object refers to it.
// Returns 1.
template <class T>
int OpenUserObject(ControlParent &parent, T *&object, const String &className, int x, int y)
{
    auto made = std::make_unique<T>(parent, className);
    T *opened = made.get();
    opened->Move(x, y);
    AdoptControl(parent, std::move(made));
    object = opened;
    RunConstructors(*opened);
    return 1;
}

// Runs the object's destructor event and removes it. Returns 1, or -1 when
// parent did not open it.
int CloseUserObject(ControlParent &parent, Control &control);

} // namespace runtime
