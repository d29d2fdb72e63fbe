// The etched vertical spacer between toolbar buttons: a shadow line beside a
// highlight line.
#pragma once

#include "runtime/ui/line.h"
#include "runtime/ui/userobject.h"

class uo_toolbar_space : public runtime::UserObject {
public:
    uo_toolbar_space(runtime::ControlParent &parent, const runtime::String &name);

    runtime::Line ln_1{*this, "ln_1"};
    runtime::Line ln_2{*this, "ln_2"};
};
