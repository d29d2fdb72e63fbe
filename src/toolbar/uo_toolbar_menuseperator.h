// The etched horizontal line along the toolbar's top and bottom edges: a grey
// line over a white one.
#pragma once

#include "runtime/ui/line.h"
#include "runtime/ui/userobject.h"

class uo_toolbar_menuseperator : public runtime::UserObject {
public:
    uo_toolbar_menuseperator(runtime::ControlParent &parent, const runtime::String &name);

    runtime::Line ln_grey{*this, "ln_grey"};
    runtime::Line ln_white{*this, "ln_white"};
};
