// The result window. STAND-IN: only what the examination needs to open at
// its time-out; the full result window (score and wrong answers) replaces
// this file.
#pragma once

#include "runtime/ui/window.h"

class w_jj : public runtime::Window {
public:
    w_jj();
};

extern runtime::GlobalWindow<w_jj> w_jj;
