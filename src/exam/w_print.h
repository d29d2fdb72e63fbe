// The score sheet: the score and date filled in by its opener, the name, ID
// number and work unit typed by the learner; saves the sheet in t_cj and
// prints it.
#pragma once

#include "runtime/ui/commandbutton.h"
#include "runtime/ui/datawindowcontrol.h"
#include "runtime/ui/window.h"

class w_print : public runtime::Window {
public:
    w_print();

    runtime::CommandButton cb_3{*this, "cb_3"};
    runtime::CommandButton cb_2{*this, "cb_2"};
    runtime::CommandButton cb_1{*this, "cb_1"};
    runtime::DataWindowControl dw_1{*this, "dw_1"};
};

extern runtime::GlobalWindow<w_print> w_print;

// Opens the score sheet and appends a row with the score and the current
// date and time, as the result and forced-study windows do.
void OpenScoreSheet(long al_cj);
