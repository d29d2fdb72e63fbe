#include "review/w_error.h"

#include "app/globals.h"
#include "exam/current_paper.h"
#include "exam/w_jj.h"
#include "runtime/ui/colors.h"
#include "runtime/ui/messagebox.h"

using namespace runtime;

runtime::GlobalWindow<class w_error> w_error;

w_error::w_error() : QuestionWindow("w_error", 4608, 3192)
{
    cb_tieba.Move(3168, 2148);
    for (int i = 1; i <= 4; ++i)
        optionText(i).SetTextColor(kHyperLinkColor);
    st_readme.Move(55, 2496);
    st_wzyz.Move(41, 2672);
    st_wzyz.Resize(1605, 136);
    st_wzyz.SetFont({"Arial", 20, 700, kAnsiCharSet});
    gb_1.SetFont({"Arial", 22, 700, kAnsiCharSet});
}

// Once per question in the book.
void w_error::enterWrongPick(long ll_mno, const String &)
{
    long li_countrow = 0;
    sqlca.SelectInto("select count ( *) from t_error where mno =?", {ll_mno}, li_countrow);
    if (li_countrow > 0)
        return;
    EnterInBook("insert into t_error ( user , mno ) values ( 'kelvadorint' , ? )", {ll_mno});
}

void w_error::enterWrongNext(long ll_mno, const String &ls_zdanswer)
{
    long li_countrow = 0;
    sqlca.SelectInto("select count ( *) from t_error where mno =?", {ll_mno}, li_countrow);
    if (li_countrow > 0)
        return;
    EnterInBook("insert into t_error ( user , mno , zdanswer ) values ( 'kelvadorint' , ? , ? )",
                {ll_mno, ls_zdanswer});
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
