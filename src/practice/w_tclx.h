// The practice window: one practice set on the question window, its wrong
// answers entered under the set's number, a browser strip at the foot, the
// answer hint as a mode of the display, and a hand-in to the set's score.
#pragma once

#include "paper/question_window.h"
#include "runtime/net/browserstrip.h"

class w_tclx : public QuestionWindow {
public:
    w_tclx();

    long il_error_flag = 0; // the set's number, under which wrong answers are entered
    runtime::String is_dzts; // "2" while the right options are underlined

    runtime::BrowserStrip ole_1{*this, "ole_1"};

protected:
    void takeParm(const runtime::String &as_parm) override;
    void openBrowserStrip() override;
    void layoutBrowserStrip() override;
    bool rightOptionsUnderlined() const override { return is_dzts == "2"; }
    runtime::String pickCountLabel() const override { return "已做题数:"; }
    runtime::String pickRestLabel() const override { return "   未做题数:"; }
    bool enterWrong(long ll_mno, const runtime::String &as_zdanswer, FoundBy) override;
    bool keysPickCDOnMultiple() const override { return false; }
    void hintScript() override;
    void openScore() override;
};

extern runtime::GlobalWindow<w_tclx> w_tclx;
