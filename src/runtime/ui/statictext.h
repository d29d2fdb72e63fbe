// Static text: a label in the control's font and colours.
#pragma once

#include "runtime/draw/alignment.h"
#include "runtime/ui/borderstyle.h"
#include "runtime/ui/control.h"

namespace runtime {

class ClickableLabel;

class StaticText : public Control {
public:
    StaticText(ControlParent &parent, const String &name);

    const String &Text() const { return text_; }
    void SetText(const String &text);
    void SetAlignment(Alignment alignment);
    // The text is drawn inside the border.
    void SetBorderStyle(BorderStyle style);

    Event<> clicked{this, "clicked"};
    Event<> doubleclicked{this, "doubleclicked"};

protected:
    StaticText(ControlParent &parent, const String &name, ClickableLabel *label);
    ClickableLabel *label() const;
    // A disabled static text keeps its own text colour: texts are disabled
    // so that the pointer reaches what lies under them, and the colour they
    // show then is the one their owner gives them.
    void applyColors() override;

private:
    String text_;
};

} // namespace runtime
