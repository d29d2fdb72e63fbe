// The drop-down triangle of a toolbar button whose item has sub-items: three
// narrowing rows and a diagonal, black when enabled, etched when disabled.
#pragma once

#include "runtime/ui/line.h"
#include "runtime/ui/userobject.h"

class uo_angle : public runtime::UserObject {
public:
    uo_angle(runtime::ControlParent &parent, const runtime::String &name);

    void of_setenabled(bool ab_enabled);

    runtime::Line ln_2{*this, "ln_2"};
    runtime::Line ln_4{*this, "ln_4"};
    runtime::Line ln_1{*this, "ln_1"};
    runtime::Line ln_3{*this, "ln_3"};
};
