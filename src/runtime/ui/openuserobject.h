// Opening user objects at run time: a script creates an object of a class as
// a control of a window, at window coordinates. The window owns it from then
// on and frees it with itself.
#pragma once

#include "runtime/ui/window.h"

namespace runtime {

// Creates the object, places it at x, y of the window, runs its constructor
// event and stores it in object. Returns 1.
template <class T>
int OpenUserObject(Window &window, T *&object, int x, int y, const String &className)
{
    object = new T(window, className);
    object->setParent(&window); // freed when the window is
    object->Move(x, y);
    object->constructor.Trigger();
    return 1;
}

} // namespace runtime
