// Group box: a frame with an optional caption.
#pragma once

#include "runtime/ui/control.h"

namespace runtime {

class GroupBox : public Control {
public:
    GroupBox(ControlParent &parent, const String &name);

    const String &Text() const { return text_; }
    void SetText(const String &text);

protected:
    void applyColors() override;

private:
    String text_;
};

} // namespace runtime
