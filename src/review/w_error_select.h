// The review chooser: builds the review of the whole wrong-answer book, or
// empties the book.
#pragma once

#include "runtime/ui/commandbutton.h"
#include "runtime/ui/window.h"

class w_error_select : public runtime::Window {
public:
    w_error_select();

    // Builds the review set of review class ai_flag from the book and opens
    // the review window, or says that there is nothing to review.
    void f_error(int ai_flag);

    runtime::CommandButton cb_12{*this, "cb_12"};
    runtime::CommandButton cb_11{*this, "cb_11"};
    runtime::CommandButton cb_1{*this, "cb_1"};
};

extern runtime::GlobalWindow<w_error_select> w_error_select;
