// Answering and moving: the picks of the four options, the store of every
// answer with the judging of single-choice and true/false answers, "下一题"
// with the judging of a multiple-choice answer, "指定查询" and the hand-in.
#include "paper/question_window.h"

#include "app/f_ts.h"
#include "app/globals.h"
#include "app/of_decrypt.h"
#include "paper/current_paper.h"
#include "paper/w_find.h"
#include "runtime/draw/colors.h"
#include "runtime/ui/messagebox.h"

#include <algorithm>

using namespace runtime;

namespace {
constexpr long kChosen = RGB(250, 0, 0);
constexpr long kNotChosen = RGB(0, 0, 255);
} // namespace

void QuestionWindow::moveTo(long al_row)
{
    il_currentrow = al_row;
    // A set without questions has no row to show.
    if (il_currentrow < 1 || il_currentrow > dw_1->RowCount())
        return;
    f_display(il_currentrow);
}

void QuestionWindow::pickScript(int ai_option)
{
    il_currentrow = dw_1->GetRow();
    if (il_currentrow < 1) // a set without questions
        return;
    const String ls_digit = String(ai_option);

    if (is_tx == "0") {
        String &ls_flag = optionFlag(ai_option);
        ls_flag = ls_flag == "0" ? "1" : "0";
        optionBox(ai_option).SetChecked(ls_flag == "1");
        optionText(ai_option).SetTextColor(ls_flag == "1" ? kChosen : kNotChosen);
        const long li_pos = Pos(is_currentzdanswer, ls_digit);
        if (li_pos == 0 && ls_flag == "1")
            is_currentzdanswer = f_ts(is_currentzdanswer, ls_digit);
        if (li_pos > 0 && ls_flag == "0")
            is_currentzdanswer.erase(static_cast<size_t>(li_pos - 1), 1);
        // Not stored: the question shows its stored answer again.
        if (f_updatedata(il_currentrow, is_currentzdanswer) < 0)
            f_display(il_currentrow);
        return;
    }

    for (int i = 1; i <= 4; ++i)
        optionText(i).SetTextColor(i == ai_option ? kChosen : kNotChosen);
    const int li_flag = f_updatedata(il_currentrow, ls_digit);
    if (li_flag == 1)
        cb_next.clicked.Trigger();
    else if (li_flag < 0)
        f_display(il_currentrow);
}

int QuestionWindow::f_updatedata(int ai_currentrow, const String &as_zdanswer)
{
    const long ll_row = dw_1->GetRow();
    const String ls_answer = dw_1->GetItemString(ll_row, "answer");
    const long ll_mno = static_cast<long>(dw_1->GetItemNumber(ll_row, "mno"));
    const String ls_tx = dw_1->GetItemString(ll_row, "tx");
    const bool lb_wrong = ls_tx != "0" && as_zdanswer != ls_answer;

    // A wrong answer and its entry in the wrong-answer book go in one commit:
    // the book never misses a wrong answer stored.
    if (!StoreAnswer(*dw_1, ai_currentrow, as_zdanswer,
                     [&] { return !lb_wrong || enterWrong(ll_mno, as_zdanswer, FoundBy::Pick); }))
        return -1;
    is_tx = ls_tx;
    if (is_tx == "0")
        return 1;

    if (lb_wrong) {
        p_message2.SetPictureName(p_error.PictureName());
        p_message2.SetVisible(true);
        st_readme.SetVisible(true);
        return 0;
    }

    sqlca.SelectInto("select count ( *) from t_kzmn where zdanswer <> '0'", {}, il_yzcount);
    st_wzyz.SetText(pickCountLabel() + String(il_yzcount) + pickRestLabel() + String(il_maxrow - il_yzcount));
    p_message2.SetVisible(false);
    st_readme.SetVisible(false);
    return 1;
}

void QuestionWindow::nextScript()
{
    il_currentrow = dw_1->GetRow();
    if (il_currentrow < 1) // a set without questions
        return;
    const Value lv_tx = dw_1->GetItem(il_currentrow, "tx");
    is_tx = lv_tx.isNull() ? String() : lv_tx.toString();
    if (!lv_tx.isNull() && is_tx != "0") {
        moveTo(std::min(il_currentrow + 1, il_maxrow));
        return;
    }

    const Value lv_answer = dw_1->GetItem(il_currentrow, "answer");
    const Value lv_zdanswer = dw_1->GetItem(il_currentrow, "zdanswer");
    const long ll_mno = static_cast<long>(dw_1->GetItemNumber(il_currentrow, "mno"));
    String ls_analyse = dw_1->GetItemString(il_currentrow, "analyse");
    if (Trim(ls_analyse) != "")
        ls_analyse = of_decrypt(ls_analyse);

    if (!lv_answer.isNull() && !lv_zdanswer.isNull() && lv_zdanswer.toString() != lv_answer.toString()) {
        p_message2.SetPictureName(p_error.PictureName());
        p_message2.SetVisible(true);
        st_readme.SetText(ls_analyse);
        st_readme.SetVisible(true);
        // The answer is stored already; only the book's entry is written.
        if (!enterWrong(ll_mno, lv_zdanswer.toString(), FoundBy::Next))
            ReportRefusedWrite();
        return;
    }

    sqlca.SelectInto("select count ( *) from t_kzmn where zdanswer <> '0'", {}, il_yzcount);
    st_wzyz.SetText("已作答:" + String(il_yzcount) + "   未作答:" + String(il_maxrow - il_yzcount));
    p_message2.SetVisible(false);
    moveTo(std::min(il_currentrow + 1, il_maxrow));
}

void QuestionWindow::findScript()
{
    il_currentrow = dw_1->GetRow();
    OpenWithParm(w_find, String(il_currentrow) + "-" + String(il_maxrow));
    moveTo(static_cast<long>(message.DoubleParm));
}

void QuestionWindow::handInScript()
{
    // The clock may time out while the box is up: one box at a time.
    if (ib_asking)
        return;
    ib_asking = true;
    const int net = MessageBox("提示", "是否确认交卷?", Icon::Exclamation, Buttons::OKCancel, 1);
    ib_asking = false;
    if (net == 1) {
        openScore();
        Close(*this);
    }
}
