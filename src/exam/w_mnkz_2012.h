// The mock examination: one question of the paper at a time, answered by
// buttons, check boxes or keys and stored at once; an answer card of 100
// cells; a clock counting down from 44:59 that hands the paper in at the end.
#pragma once

#include "paper/paper_window.h"
#include "runtime/ui/checkbox.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/ui/datawindowcontrol.h"
#include "runtime/ui/groupbox.h"
#include "runtime/ui/picture.h"
#include "runtime/ui/statictext.h"

class w_mnkz_2012 : public PaperWindow {
public:
    w_mnkz_2012();

    // Stores the answer of a row and, in the same commit, enters a question
    // answered wrongly in the wrong-answer book once. Returns 1, or -1 when
    // the database refused either (the learner has been told; neither is
    // stored).
    int f_updatedata(int ai_currentrow, const runtime::String &as_zdanswer);
    // Puts the options of every single-choice question in a new random
    // order, the right answer moving with its option, and saves the paper.
    void f_get_dt();
    // Shows question ai_currentrow and makes it the current row of dw_2.
    void f_display(int ai_currentrow);

    runtime::DataWindowControl dw_1{*this, "dw_1"};
    runtime::CheckBox cbx_choice4{*this, "cbx_choice4"};
    runtime::CheckBox cbx_choice3{*this, "cbx_choice3"};
    runtime::CheckBox cbx_choice2{*this, "cbx_choice2"};
    runtime::CheckBox cbx_choice1{*this, "cbx_choice1"};
    runtime::StaticText st_message{*this, "st_message"};
    runtime::StaticText st_youranswer{*this, "st_youranswer"};
    runtime::CommandButton cb_7{*this, "cb_7"};
    runtime::CommandButton cb_6{*this, "cb_6"};
    runtime::CommandButton cb_5{*this, "cb_5"};
    runtime::CommandButton cb_4{*this, "cb_4"};
    runtime::DataWindowControl dw_2{*this, "dw_2"};
    runtime::StaticText st_txt{*this, "st_txt"};
    runtime::CommandButton cb_jj{*this, "cb_jj"};
    runtime::CommandButton cb_2{*this, "cb_2"};
    runtime::CommandButton cb_1{*this, "cb_1"};
    runtime::StaticText st_12{*this, "st_12"};
    runtime::StaticText st_11{*this, "st_11"};
    runtime::StaticText st_10{*this, "st_10"};
    runtime::StaticText st_9{*this, "st_9"};
    runtime::StaticText st_8{*this, "st_8"};
    runtime::StaticText st_7{*this, "st_7"};
    runtime::StaticText st_6{*this, "st_6"};
    runtime::StaticText st_5{*this, "st_5"};
    runtime::StaticText st_4{*this, "st_4"};
    runtime::StaticText st_3{*this, "st_3"};
    runtime::StaticText st_2{*this, "st_2"};
    runtime::Picture p_1{*this, "p_1"};
    runtime::StaticText st_1{*this, "st_1"};
    runtime::GroupBox gb_2{*this, "gb_2"};
    runtime::GroupBox gb_3{*this, "gb_3"};
    runtime::GroupBox gb_4{*this, "gb_4"};
    runtime::GroupBox gb_5{*this, "gb_5"};
    runtime::Picture p_pic{*this, "p_pic"};
    runtime::StaticText st_choice1{*this, "st_choice1"};
    runtime::StaticText st_choice2{*this, "st_choice2"};
    runtime::StaticText st_choice3{*this, "st_choice3"};
    runtime::StaticText st_choice4{*this, "st_choice4"};
    runtime::GroupBox gb_1{*this, "gb_1"};
    runtime::GroupBox gb_6{*this, "gb_6"};

private:
    void createControls();
    void openScript();
    void timerScript();
    void keyScript(runtime::KeyCode key);
    // "上一题", "下一题" (judges the question shown) and "交卷".
    void previousScript();
    void nextScript();
    void handInScript();
    // The press of answer button 1 to 4 (cb_4 to cb_7).
    void chooseOption(int ai_option);
    runtime::CommandButton &optionButton(int ai_option);
};

extern runtime::GlobalWindow<w_mnkz_2012> w_mnkz_2012;
