#include "review/w_error.h"

#include "app/globals.h"
#include "exam/w_jj.h"
#include "paper/current_paper.h"
#include "runtime/draw/colors.h"
#include "runtime/ui/messagebox.h"

using namespace runtime;

runtime::GlobalWindow<class w_error> w_error;

namespace {

// The counter stands large at the foot, under the explanation.
const QuestionWindow::Design kDesign{
    .width = 4608, .height = 3192,
    .linkX = 3168, .linkY = 2148,
    .optionColor = kHyperLinkColor,
    .explanationX = 55, .explanationY = 2496,
    .counterX = 41, .counterY = 2672, .counterWidth = 1605, .counterPoints = 20,
    .questionTitlePoints = 22,
    .headerAlignment = Alignment::Center,
};

} // namespace

w_error::w_error() : QuestionWindow("w_error", kDesign) {}

// Once per question in the book. The answer given is kept only when "下一题"
// found a multiple-choice answer wrong; a wrong pick enters the question alone.
bool w_error::enterWrong(long ll_mno, const String &as_zdanswer, FoundBy by)
{
    long li_countrow = 0;
    sqlca.SelectInto("select count ( *) from t_error where mno =?", {ll_mno}, li_countrow);
    if (li_countrow > 0)
        return true;
    const Value lv_zdanswer = by == FoundBy::Next ? Value(as_zdanswer) : Value();
    return EnterInBook("insert into t_error ( user , mno , zdanswer ) values ( 'kelvadorint' , ? , ? )",
                {ll_mno, lv_zdanswer});
}

void w_error::hintScript()
{
    il_currentrow = dw_1->GetRow();
    if (il_currentrow < 1)
        return;
    const String ls_answer = dw_1->GetItemString(il_currentrow, "answer");
    MessageBox("提示:", ls_answer);
}

void w_error::openScore()
{
    OpenNew(w_jj);
}
