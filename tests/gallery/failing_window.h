// A window whose button's script fails as a script of the program can: it
// reads a row its data window does not have. The error report that follows
// names this window, the button and the script's line, so the lines of this
// file stay where they are.
#pragma once

#include "runtime/ui/commandbutton.h"
#include "runtime/ui/datawindowcontrol.h"
#include "runtime/ui/window.h"

class w_failing : public runtime::Window {
public:
    w_failing() : Window("w_failing")
    {
        runtime::DataObject d("d_failing");
        d.column("a", runtime::ColumnType::Char, 10).bandHeight(runtime::Band::Detail, 80);
        dw_1->SetDataObject(d);
        dw_1.Move(10, 10);
        dw_1.Resize(400, 200);
        cb_read.Move(10, 220);
        cb_read.clicked = [this] { dw_1->GetItemString(5, "a"); };
    }
    runtime::DataWindowControl dw_1{*this, "dw_1"};
    runtime::CommandButton cb_read{*this, "cb_read"};
};

inline runtime::GlobalWindow<w_failing> w_failing;
