#include "runtime/ui/userobject.h"

#include <QFrame>

namespace runtime {

UserObject::UserObject(ControlParent &parent, const String &name) : Control(parent, name, new QFrame) {}

void UserObject::SetBorderStyle(BorderStyle style) { ApplyBorderStyle(*static_cast<QFrame *>(widget()), style); }

} // namespace runtime
