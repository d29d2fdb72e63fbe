// The hand-in confirmation beside the examination: hand in, or go on with
// the clock still running.
#pragma once

#include "runtime/ui/commandbutton.h"
#include "runtime/ui/window.h"

#include <QPointer>

class w_jj_enter : public runtime::Window {
public:
    w_jj_enter();

    runtime::CommandButton cb_2{*this, "cb_2"};
    runtime::CommandButton cb_1{*this, "cb_1"};

private:
    // The examination this confirmation was asked for: one that has ended
    // since (by its clock, say) is not handed in a second time.
    QPointer<runtime::Window> iw_mnkz;
};

extern runtime::GlobalWindow<w_jj_enter> w_jj_enter;
