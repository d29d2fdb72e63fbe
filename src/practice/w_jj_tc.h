// The practice score: the first answers the learner gave in the set are put
// back, the right ones counted as the score, and the wrong and unanswered
// questions listed.
#pragma once

#include "runtime/ui/commandbutton.h"
#include "runtime/ui/datawindowcontrol.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/window.h"

class w_jj_tc : public runtime::Window {
public:
    w_jj_tc();

    runtime::CommandButton cb_1{*this, "cb_1"};
    runtime::StaticText st_1{*this, "st_1"};
    runtime::DataWindowControl dw_1{*this, "dw_1"};
};

extern runtime::GlobalWindow<w_jj_tc> w_jj_tc;
