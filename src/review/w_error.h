// The review window: the review set on the question window, wrong answers
// entered in the book by question number alone, the right answer shown in a
// box on "答案提示", and a hand-in to the examination's result window.
#pragma once

#include "paper/question_window.h"

class w_error : public QuestionWindow {
public:
    w_error();

protected:
    runtime::String pickCountLabel() const override { return "已作答:"; }
    runtime::String pickRestLabel() const override { return "   未作答:"; }
    bool enterWrong(long ll_mno, const runtime::String &as_zdanswer, FoundBy by) override;
    bool keysPickCDOnMultiple() const override { return true; }
    void hintScript() override;
    void openScore() override;
};

extern runtime::GlobalWindow<w_error> w_error;
