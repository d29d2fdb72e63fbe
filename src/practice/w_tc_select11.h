// The practice-set chooser: thirteen fixed sets, each with a button that
// starts it in the practice window and one that reviews its wrong answers.
#pragma once

#include "runtime/ui/commandbutton.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/window.h"

#include <memory>
#include <vector>

class w_tc_select11 : public runtime::Window {
public:
    w_tc_select11();

    // Loads the named set into the current paper and opens the practice
    // window on it.
    void f_tc(const runtime::String &as_tc_name, int ai_flag);
    // Loads the wrong answers of set al_flag into the current paper and
    // opens the review window, or says that there are none.
    void f_error(int al_flag);

    runtime::StaticText st_1{*this, "st_1"};
    runtime::StaticText st_3{*this, "st_3"};
    runtime::StaticText st_2{*this, "st_2"};
    runtime::CommandButton cb_15{*this, "cb_15"};
    runtime::CommandButton cb_4{*this, "cb_4"};
    // The set buttons and their review buttons, row by row.
    std::vector<std::unique_ptr<runtime::CommandButton>> sets, reviews;
    // Buttons that stay hidden.
    std::vector<std::unique_ptr<runtime::CommandButton>> videos;
};

extern runtime::GlobalWindow<w_tc_select11> w_tc_select11;
