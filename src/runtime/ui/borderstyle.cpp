#include "runtime/ui/borderstyle.h"

#include <QFrame>

namespace runtime {

void ApplyBorderStyle(QFrame &frame, BorderStyle style)
{
    switch (style) {
    case BorderStyle::None: frame.setFrameStyle(QFrame::NoFrame); break;
    case BorderStyle::Box: frame.setFrameStyle(QFrame::Box | QFrame::Plain); break;
    case BorderStyle::Raised: frame.setFrameStyle(QFrame::Panel | QFrame::Raised); break;
    case BorderStyle::Lowered: frame.setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    }
    frame.setLineWidth(style == BorderStyle::None ? 0 : 2);
}

} // namespace runtime
