// The tooltip window that all toolbar buttons share: each button registers
// itself as a tool with its tip text and hands it the mouse moves over it;
// the window shows and hides the tip by itself.
#pragma once

#include "runtime/ui/control.h"
#include "runtime/win32/tooltips.h"

class nvo_tooltips {
public:
    // Registers the whole of object with tiptext (cut to 79 bytes). Returns
    // the tool's id, or -1 when the tooltip window refused it.
    int addtool(runtime::Control &object, const runtime::String &tiptext, int flags);
    // Hands the mouse move being handled to the window.
    void relaymsg(runtime::Control &object);

    const runtime::ToolTipWindow &window() const { return hwndtt; }

private:
    runtime::ToolTipWindow hwndtt;
    long toolid = 1;
};
