#include "runtime/ui/userobject.h"

#include <QFrame>

namespace runtime {

UserObject::UserObject(ControlParent &parent, const String &name) : Control(parent, name, new QFrame) {}

void UserObject::SetBorderStyle(BorderStyle style)
{
    auto *frame = static_cast<QFrame *>(widget());
    switch (style) {
    case BorderStyle::None: frame->setFrameStyle(QFrame::NoFrame); break;
    case BorderStyle::Box: frame->setFrameStyle(QFrame::Box | QFrame::Plain); break;
    case BorderStyle::Raised: frame->setFrameStyle(QFrame::Panel | QFrame::Raised); break;
    case BorderStyle::Lowered: frame->setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    }
    frame->setLineWidth(style == BorderStyle::None ? 0 : 2);
}

} // namespace runtime
