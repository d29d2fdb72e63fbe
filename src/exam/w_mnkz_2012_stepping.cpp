// Stepping through the paper: "上一题" goes back, "下一题" judges and locks
// the answer shown and sends a wrong one to forced study (or, the first time
// more than ten saved answers are wrong, to the prompt that offers hand-in),
// and "交卷" asks whether to hand in.
#include "exam/w_mnkz_2012.h"

#include "app/globals.h"
#include "exam/w_error_jj.h"
#include "exam/w_jj_enter.h"
#include "exam/w_open_error.h"
#include "paper/current_paper.h"

#include <algorithm>

using namespace runtime;

void w_mnkz_2012::previousScript()
{
    il_currentrow = std::max(dw_2->GetRow() - 1, 1L);
    f_display(il_currentrow);
}

void w_mnkz_2012::nextScript()
{
    il_currentrow = dw_2->GetRow();
    if (il_currentrow < 1) // a paper without questions
        return;
    const Value ls_answer = dw_2->GetItem(il_currentrow, "answer");
    const Value ls_zdanswer = dw_2->GetItem(il_currentrow, "zdanswer");

    if (!ls_zdanswer.isNull() && ls_zdanswer.toString() != "0") {
        dw_2->SetItem(il_currentrow, "errorflag", String("1"));
        if (dw_2->Update() == 1)
            sqlca.Commit();
        else // the judgement stays pending and goes out with the next write
            ReportRefusedWrite();

        if (!ls_answer.isNull() && ls_answer.toString() != ls_zdanswer.toString()) {
            // Saved with the next answer or the next judgement.
            dw_2->SetItem(il_currentrow, "errorflag", String("2"));
            dw_1->Modify("t_" + String(il_currentrow) + ".background.mode=0");
            dw_1->Modify("t_" + String(il_currentrow) + ".background.color='" + String(RGB(255, 0, 0)) + "'");

            long ll_error_count = 0;
            sqlca.SelectInto("select count ( *) from t_kzmn where zdanswer <> answer and zdanswer <> '0'", {},
                             ll_error_count);
            Timer(0);
            if (ll_error_count > 10 && gs_error_jj_flag == "0") {
                gs_error_jj_flag = "1";
                Open(w_error_jj);
            } else {
                OpenWithParm(w_open_error, String(il_currentrow));
            }
            // A hand-in from the prompt has closed this window: leave it alone.
            if (!IsOpen())
                return;
            Timer(1);
        }
    }
    if (gs_error_jj_flag == "2")
        return;
    il_currentrow = std::min(il_currentrow + 1, il_maxrow);
    f_display(il_currentrow);
}

void w_mnkz_2012::handInScript() { Open(w_jj_enter); }
