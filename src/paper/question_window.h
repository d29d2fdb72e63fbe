// The question window that set practice and the wrong-answer review share:
// one question of the current paper at a time, options picked by click, tick
// or key and stored at once, single-choice and true/false answers judged on
// the pick, multiple-choice answers on "下一题", buttons to move about, a
// clock counting down from 200:59, and a hand-in with confirmation.
//
// The two windows differ only where the functions below marked "differs"
// say; everything else is this class.
#pragma once

#include "paper/paper_window.h"
#include "runtime/ui/checkbox.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/ui/datawindowcontrol.h"
#include "runtime/ui/groupbox.h"
#include "runtime/ui/hyperlink.h"
#include "runtime/ui/picture.h"
#include "runtime/ui/statictext.h"

class QuestionWindow : public PaperWindow {
public:
    // The design values in which the two windows differ; each window supplies
    // its own, and the rest of the design is the same for both.
    struct Design {
        int width, height;                    // the window
        int linkX, linkY;                     // "本题解析"
        long optionColor;                     // the options' text until a question shows
        int explanationX, explanationY;       // st_readme
        int counterX, counterY, counterWidth; // st_wzyz, the answered and unanswered count
        int counterPoints;                    // its bold Arial
        int questionTitlePoints;              // the bold Arial of gb_1's title
        runtime::Alignment headerAlignment = runtime::Alignment::Left; // st_1
    };

    // Shows question ai_currentrow and makes it the current row of dw_1.
    void f_display(int ai_currentrow);
    // Stores the answer of a row and judges a single-choice or true/false
    // answer: 0 when it is wrong, 1 otherwise, -1 when the database refused
    // the answer or its wrong-answer book entry, which go in one commit (the
    // learner has been told; neither is stored, nothing is judged).
    int f_updatedata(int ai_currentrow, const runtime::String &as_zdanswer);

    runtime::StaticHyperLink cb_tieba{*this, "cb_tieba"};
    runtime::CommandButton cb_da{*this, "cb_da"};
    runtime::CommandButton cb_tg{*this, "cb_tg"};
    runtime::Picture p_pic{*this, "p_pic"};
    runtime::CheckBox cbx_choice4{*this, "cbx_choice4"};
    runtime::CheckBox cbx_choice3{*this, "cbx_choice3"};
    runtime::CheckBox cbx_choice2{*this, "cbx_choice2"};
    runtime::CheckBox cbx_choice1{*this, "cbx_choice1"};
    runtime::StaticText st_choice4{*this, "st_choice4"};
    runtime::StaticText st_readme{*this, "st_readme"};
    runtime::Picture p_ok{*this, "p_ok"};
    runtime::Picture p_error{*this, "p_error"};
    runtime::Picture p_message2{*this, "p_message2"};
    runtime::StaticText st_wzyz{*this, "st_wzyz"};
    runtime::StaticText st_choice3{*this, "st_choice3"};
    runtime::StaticText st_choice2{*this, "st_choice2"};
    runtime::StaticText st_choice1{*this, "st_choice1"};
    runtime::CommandButton cb_forward{*this, "cb_forward"};
    runtime::CommandButton cb_next{*this, "cb_next"};
    runtime::CommandButton cb_last{*this, "cb_last"};
    runtime::CommandButton cb_wz{*this, "cb_wz"};
    runtime::CommandButton cb_find{*this, "cb_find"};
    runtime::CommandButton cb_jj{*this, "cb_jj"};
    runtime::CommandButton cb_frist{*this, "cb_frist"};
    runtime::StaticText st_txt{*this, "st_txt"};
    runtime::GroupBox gb_1{*this, "gb_1"};
    runtime::StaticText st_1{*this, "st_1"};
    runtime::DataWindowControl dw_1{*this, "dw_1"};
    runtime::GroupBox gb_2{*this, "gb_2"};
    runtime::GroupBox gb_3{*this, "gb_3"};
    runtime::GroupBox gb_4{*this, "gb_4"};

    runtime::String is_tcname; // the set's name
    runtime::String is_tieba;  // the forum thread of the question shown
    long il_yzcount = 0;       // answered questions as last counted

protected:
    QuestionWindow(const runtime::String &className, const Design &design);

    // differs: what the open event takes from its text parameter besides
    // the name before the first comma.
    virtual void takeParm(const runtime::String &) {}
    // differs: the practice window's browser strip, opened and laid out.
    virtual void openBrowserStrip() {}
    virtual void layoutBrowserStrip() {}
    // differs: whether a question shows its right options underlined (the
    // practice window's answer hint).
    virtual bool rightOptionsUnderlined() const { return false; }
    // differs: the labels of the counter after a right pick.
    virtual runtime::String pickCountLabel() const = 0;
    virtual runtime::String pickRestLabel() const = 0;
    // How a wrong answer came to light: by the pick of a single-choice or
    // true/false option, or by "下一题" after a multiple-choice answer.
    enum class FoundBy { Pick, Next };
    // differs: the wrong-answer book entry of a wrong answer (only once).
    // False when the database refused it.
    virtual bool enterWrong(long ll_mno, const runtime::String &as_zdanswer, FoundBy by) = 0;
    // differs: whether keys 3 and 4 pick on a multiple-choice question.
    virtual bool keysPickCDOnMultiple() const = 0;
    // differs: "答案提示".
    virtual void hintScript() = 0;
    // differs: what a confirmed hand-in opens before the window closes.
    virtual void openScore() = 0;

    // The header line with the class text and the clock.
    void showHeader(const runtime::String &as_class);

private:
    void createControls(const Design &design);
    void openScript();
    void timerScript();
    void keyScript(runtime::KeyCode key);
    void resizeScript();
    void pickScript(int ai_option);
    void nextScript();
    void findScript();
    void handInScript();
    // Row n of dw_1 on screen: il_currentrow = n, then f_display.
    void moveTo(long al_row);

    bool ib_asking = false; // the hand-in box is up
};
