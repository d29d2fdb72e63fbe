// The result window: the score of the current paper against the pass mark
// and the list of its wrong and unanswered questions.
#pragma once

#include "runtime/net/browserstrip.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/ui/datawindowcontrol.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/window.h"

class w_jj : public runtime::Window {
public:
    w_jj();

    long il_cj = 0; // the score counted when the window opened

    runtime::BrowserStrip ole_1{*this, "ole_1"};
    runtime::StaticText st_4{*this, "st_4"};
    runtime::CommandButton cb_2{*this, "cb_2"};
    runtime::CommandButton cb_1{*this, "cb_1"};
    runtime::StaticText st_1{*this, "st_1"};
    runtime::DataWindowControl dw_1{*this, "dw_1"};
};

extern runtime::GlobalWindow<w_jj> w_jj;
