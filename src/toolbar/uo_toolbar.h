// The frame's toolbar. It stands at its place in the frame; building its
// buttons from the menu comes with the toolbar itself.
#pragma once

#include "runtime/ui/menu.h"
#include "runtime/ui/userobject.h"

class uo_toolbar : public runtime::UserObject {
public:
    uo_toolbar(runtime::ControlParent &parent, const runtime::String &name);

    void of_setalign(const runtime::String &as_align);
    void of_setbuttonsize(int ai_size);
    void of_readmenu(runtime::Menu *am_menu);
    void of_hidebottom();
    void of_draw();
};
