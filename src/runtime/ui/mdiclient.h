// The MDI client of a frame window: the area that would hold sheets.
#pragma once

#include "runtime/ui/control.h"

namespace runtime {

class MdiClient : public Control {
public:
    MdiClient(ControlParent &parent, const String &name);

protected:
    void applyColors() override;
};

} // namespace runtime
