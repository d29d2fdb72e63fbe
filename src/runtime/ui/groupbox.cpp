#include "runtime/ui/groupbox.h"

#include <QGroupBox>

namespace runtime {

GroupBox::GroupBox(ControlParent &parent, const String &name) : Control(parent, name, new QGroupBox)
{
    // A group box frames the controls over it; it never hides them.
    widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
    applyColors();
}

void GroupBox::applyColors()
{
    // Only the frame and the caption are drawn: what lies behind shows through.
    Control::applyColors();
    widget()->setAutoFillBackground(false);
}

void GroupBox::SetText(const String &text)
{
    text_ = text;
    static_cast<QGroupBox *>(widget())->setTitle(ToQString(text));
}

} // namespace runtime
