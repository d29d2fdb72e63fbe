// The frame's toolbar: a strip with a gripper of four lines at its left end
// and etched lines along its top and bottom edges. It builds a row of buttons
// and spacers from a menu, opened in its window over the strip, and sizes
// itself to that row.
#pragma once

#include "runtime/ui/line.h"
#include "runtime/ui/menu.h"
#include "runtime/ui/userobject.h"
#include "runtime/ui/window.h"
#include "toolbar/uo_toolbar_button.h"
#include "toolbar/uo_toolbar_menuseperator.h"
#include "toolbar/uo_toolbar_space.h"

#include <vector>

class uo_toolbar : public runtime::UserObject {
public:
    uo_toolbar(runtime::ControlParent &parent, const runtime::String &name);

    uo_toolbar_menuseperator uo_topline{*this, "uo_topline"};
    uo_toolbar_menuseperator uo_bottomline{*this, "uo_bottomline"};
    runtime::Line ln_2{*this, "ln_2"};
    runtime::Line ln_4{*this, "ln_4"};
    runtime::Line ln_3{*this, "ln_3"};
    runtime::Line ln_1{*this, "ln_1"};

    runtime::String textalign = "Right";
    int picture_size = 32;
    std::vector<uo_toolbar_button *> iuo_buttons;
    std::vector<uo_toolbar_space *> iuo_spaces;
    runtime::Window *iw_parent = nullptr;
    long buttonheight = 0;
    long minwidth = 0;
    long il_space = 3;

    runtime::Event<> ue_paint{this, "ue_paint"};

    void of_readmenu(runtime::MenuItem *am_menu);
    void of_getparentwin();
    void of_setalign(const runtime::String &as_align);
    void of_setsize();
    void of_setposition();
    void of_draw();
    void of_showbottom();
    void of_minwidth();
    void of_hidebottom();
    void of_setbuttonsize(int ai_size);
    void of_setenabled(int ai_index, bool ab_enabled);
    void of_setenabled(runtime::MenuItem *am_menu, bool ab_enabled);
    void of_resize();
    bool of_getenabled(int ai_index) const;
    bool of_getenabled(const runtime::MenuItem *am_menu) const;

private:
    void createControls();
    // What one menu item put on the row: a spacer, a button, or both.
    struct RowItem {
        uo_toolbar_space *space = nullptr;
        uo_toolbar_button *button = nullptr;
    };
    std::vector<RowItem> row_;
};
