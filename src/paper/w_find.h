// The question-number dialog: the learner types the number of the question
// to show, from 1 to the number of questions; it returns that number.
#pragma once

#include "runtime/ui/commandbutton.h"
#include "runtime/ui/editmask.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/window.h"

class w_find : public runtime::Window {
public:
    w_find();

    long il_max = 0; // the highest number accepted

    runtime::CommandButton cb_1{*this, "cb_1"};
    runtime::EditMask em_1{*this, "em_1"};
    runtime::StaticText st_1{*this, "st_1"};

private:
    // Closes with the typed number when it lies from 1 to il_max.
    void checkAndReturn();
};

extern runtime::GlobalWindow<w_find> w_find;
