#include "runtime/ui/commandbutton.h"

#include <QPushButton>

namespace runtime {

CommandButton::CommandButton(ControlParent &parent, const String &name) : Control(parent, name, new QPushButton)
{
    button()->setAutoDefault(false);
    QObject::connect(button(), &QPushButton::clicked, this, [this] { clicked.Trigger(); });
}

QPushButton *CommandButton::button() const { return static_cast<QPushButton *>(widget()); }

void CommandButton::SetText(const String &text)
{
    text_ = text;
    // "&" marks the next letter as the button's access key (underlined,
    // pressed with Alt and the letter); "&&" is an "&" itself. Qt reads a
    // button's text the same way.
    button()->setText(ToQString(text));
}

void CommandButton::SetDefault(bool isDefault)
{
    default_ = isDefault;
    button()->setDefault(isDefault);
}

void CommandButton::SetCancel(bool isCancel) { cancel_ = isCancel; }

bool PressDefaultOrCancel(const ControlParent &window, KeyCode key)
{
    const bool enter = key == KeyCode::KeyEnter, escape = key == KeyCode::KeyEscape;
    if (!enter && !escape)
        return false;
    for (Control *control : window.Controls()) {
        auto *button = dynamic_cast<CommandButton *>(control);
        if (!button || !(enter ? button->Default() : button->Cancel()))
            continue;
        // A hidden or disabled default button lets the key through.
        if (button->Visible() && button->Enabled()) {
            button->clicked.Trigger();
            return true;
        }
    }
    return false;
}

} // namespace runtime
