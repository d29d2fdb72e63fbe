// Forced study of a wrongly answered question: the question with its right
// answer, a continue button that unlocks after 5 seconds, and a close of its
// own after 10 seconds.
#pragma once

#include "runtime/net/browserstrip.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/ui/datawindowcontrol.h"
#include "runtime/ui/groupbox.h"
#include "runtime/ui/picture.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/window.h"

class w_open_error : public runtime::Window {
public:
    w_open_error();

    long il_ss1 = 5;          // seconds left of the minimum display time
    long il_ss2 = 10;         // seconds left until the window closes itself
    bool ib_time_ss1 = true;  // the minimum countdown is still running
    runtime::String is_pic;   // picture name of the question shown
    long il_cj = 0;           // right answers counted by "打印成绩"

    runtime::StaticText st_time1{*this, "st_time1"};
    runtime::CommandButton cb_2{*this, "cb_2"};
    runtime::CommandButton cb_4{*this, "cb_4"};
    runtime::Picture p_pic{*this, "p_pic"};
    runtime::StaticText st_answer{*this, "st_answer"};
    runtime::StaticText st_title{*this, "st_title"};
    runtime::StaticText st_time2{*this, "st_time2"};
    runtime::StaticText st_choice4{*this, "st_choice4"};
    runtime::StaticText st_choice3{*this, "st_choice3"};
    runtime::StaticText st_choice2{*this, "st_choice2"};
    runtime::StaticText st_choice1{*this, "st_choice1"};
    runtime::DataWindowControl dw_1{*this, "dw_1"};
    runtime::BrowserStrip ole_web{*this, "ole_web"};
    runtime::StaticText st_txt{*this, "st_txt"};
    runtime::StaticText st_cj{*this, "st_cj"};
    runtime::GroupBox gb_1{*this, "gb_1"};

private:
    void createControls();
    void openScript();
    void timerScript();
};

extern runtime::GlobalWindow<w_open_error> w_open_error;
