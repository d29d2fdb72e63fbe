// The base window of the frame and the about box: window defaults only.
#pragma once

#include "runtime/ui/window.h"

class w_windows : public runtime::Window {
public:
    explicit w_windows(const runtime::String &className = "w_windows");
};
