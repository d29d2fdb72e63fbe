#include "runtime/ui/openuserobject.h"

#include <algorithm>

namespace runtime {

void AdoptControl(ControlParent &parent, std::unique_ptr<Control> control)
{
    parent.opened_.push_back(std::move(control));
}

void RunConstructors(Control &control)
{
    if (auto *holder = dynamic_cast<ControlParent *>(&control))
        for (Control *child : holder->Controls())
            RunConstructors(*child);
    control.constructor.Trigger();
}

int CloseUserObject(ControlParent &parent, Control &control)
{
    auto &opened = parent.opened_;
    const auto found = std::find_if(opened.begin(), opened.end(), [&](const auto &c) { return c.get() == &control; });
    if (found == opened.end())
        return -1;
    control.destructor.Trigger();
    // Taken out before it is destroyed, so that the list stays whole while
    // its destructor runs.
    std::unique_ptr<Control> closing = std::move(*found);
    opened.erase(std::find(opened.begin(), opened.end(), nullptr));
    closing.reset();
    return 1;
}

} // namespace runtime
