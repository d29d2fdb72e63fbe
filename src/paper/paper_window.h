// A window over the current paper: the examination, the practice window and
// the review window. Each shows one question of t_kzmn at a time, with four
// options (A to D, or the true/false pair in the first two), and counts a
// clock down while it is open.
//
// What the three have in common is here: the question read from its row,
// the options, the clock, and the picture. A window class declares itself
// one of them by deriving from PaperWindow, and that is how the current
// paper finds it: ClosePaperWindows closes every open PaperWindow, so the
// core knows no window class above it.
#pragma once

#include "runtime/dw/datastore.h"
#include "runtime/ui/checkbox.h"
#include "runtime/ui/picture.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/window.h"

#include <array>

class PaperWindow : public runtime::Window {
public:
    // Option 1 to 4 (A to D): its text, its tick box and its flag ("1"
    // while it is part of the multiple-choice answer being built).
    runtime::StaticText &optionText(int ai_option) { return *options_[ai_option - 1].text; }
    runtime::CheckBox &optionBox(int ai_option) { return *options_[ai_option - 1].box; }
    runtime::String &optionFlag(int ai_option);

    // The question on screen as readQuestion leaves it: its type ("1"
    // single choice, "2" true/false, "0" multiple choice), its deciphered
    // text and options (choice3 and choice4 only where the type has them),
    // the answer stored, and its picture.
    runtime::String is_tx, is_txt, is_choice1, is_choice2, is_choice3, is_choice4;
    runtime::String is_zdanswer, is_pic, is_picflag;
    runtime::String is_currentzdanswer; // multiple-choice answer being built
    runtime::String is_flag1 = "0", is_flag2 = "0", is_flag3 = "0", is_flag4 = "0";
    long il_currentrow = 0; // the row a script works on
    long il_maxrow = 0;     // questions of the paper

    // The clock: minutes, and seconds from 60 down to 1.
    long il_mm;
    long il_ss = 59;

protected:
    // The window's option controls, A to D.
    struct Option {
        runtime::StaticText *text;
        runtime::CheckBox *box;
    };
    // The clock starts at al_minutes:59. The options are the window's own
    // controls: only their addresses are kept here.
    PaperWindow(const runtime::String &className, long al_minutes, const std::array<Option, 4> &options);

    // Reads question ai_row of the paper into is_tx … is_picflag.
    void readQuestion(const runtime::DataStore &dw, long ai_row);
    // Shows the question's picture in p_pic, or hides p_pic when it has
    // none. True for a question whose picture flag allows a picture (0 or
    // 1), whether it names one or not.
    bool showPicture(runtime::Picture &p_pic);
    // One second off the clock. False when the time has run out.
    bool countDown();

private:
    std::array<Option, 4> options_;
};
