// Answering: the four answer buttons (the check boxes and keys press them
// too) and the store of every answer with the wrong-answer book.
#include "exam/w_mnkz_2012.h"

#include "app/f_ts.h"
#include "app/gf_getstring.h"
#include "app/globals.h"
#include "paper/current_paper.h"

#include <algorithm>

using namespace runtime;

void w_mnkz_2012::chooseOption(int ai_option)
{
    il_currentrow = dw_2->GetRow();
    if (il_currentrow < 1) // a paper without questions
        return;
    const String ls_errorflag = dw_2->GetItemString(il_currentrow, "errorflag");
    if (ls_errorflag == "1" || ls_errorflag == "2")
        return;

    const String ls_digit = String(ai_option);
    const String ls_cell = "t_" + String(il_currentrow + 100);

    if (is_tx == "1" || is_tx == "2") {
        const char *letters[] = {"A", "B", "C", "D"};
        String ls_sign = letters[ai_option - 1];
        if (is_tx == "2")
            ls_sign = ai_option == 1 ? "√" : "×";
        // The card and the label show only an answer that is stored.
        if (f_updatedata(il_currentrow, ls_digit) != 1)
            return;
        dw_1->Modify(ls_cell + ".Text='" + ls_sign + "'");
        // The label follows the answer as it is given, as for multiple choice.
        st_youranswer.SetText(ls_sign);
        il_currentrow = std::min(il_currentrow + 1, il_maxrow);
    } else if (is_tx == "0") {
        // The selection this press leaves: the option ticked or unticked.
        String &ls_flag = optionFlag(ai_option);
        const String ls_newflag = ls_flag == "0" ? "1" : "0";
        String ls_answer = is_currentzdanswer;
        const long ll_pos = Pos(ls_answer, ls_digit);
        if (ll_pos == 0 && ls_newflag == "1")
            ls_answer = f_ts(ls_answer, ls_digit);
        else if (ll_pos > 0 && ls_newflag == "0")
            ls_answer.erase(static_cast<size_t>(ll_pos - 1), 1);
        const long ll_zero = Pos(ls_answer, "0");
        if (ll_zero > 0)
            ls_answer.erase(static_cast<size_t>(ll_zero - 1), 1);

        // Not stored: the tick (which a click on the box itself has already
        // flipped) stays as the stored answer has it.
        if (f_updatedata(il_currentrow, ls_answer) != 1) {
            optionBox(ai_option).SetChecked(ls_flag == "1");
            return;
        }
        ls_flag = ls_newflag;
        optionBox(ai_option).SetChecked(ls_flag == "1");
        is_currentzdanswer = ls_answer;

        const String ls_letters = gf_getstring(is_currentzdanswer);
        st_youranswer.SetText(ls_letters);
        dw_1->Modify(ls_cell + ".Text='" + ls_letters + "'");
    }
}

int w_mnkz_2012::f_updatedata(int ai_currentrow, const String &as_zdanswer)
{
    const Value lv_answer = dw_2->GetItem(dw_2->GetRow(), "answer");
    const long ll_mno = static_cast<long>(dw_2->GetItemNumber(dw_2->GetRow(), "mno"));

    // A wrong answer enters the wrong-answer book, once per question, in the
    // same commit as the answer: the book never misses a wrong answer stored.
    const bool stored = StoreAnswer(*dw_2, ai_currentrow, as_zdanswer, [&] {
        if (lv_answer.isNull() || as_zdanswer == lv_answer.toString())
            return true;
        int li_countrow = 0;
        sqlca.SelectInto("select count ( *) from t_error where mno =?", {ll_mno}, li_countrow);
        return li_countrow > 0 ||
               EnterInBook("insert into t_error ( user , mno ) values ( 'kelvadorint' , ? )", {ll_mno});
    });
    return stored ? 1 : -1;
}
