#include "practice/w_tclx.h"

#include "app/globals.h"
#include "app/maker.h"
#include "app/n_internetresult.h"
#include "paper/current_paper.h"
#include "practice/w_jj_tc.h"
#include "runtime/draw/colors.h"

using namespace runtime;

runtime::GlobalWindow<class w_tclx> w_tclx;

namespace {

const QuestionWindow::Design kDesign{
    .width = 4713, .height = 3084,
    .linkX = 3154, .linkY = 2144,
    .optionColor = kWindowText,
    .explanationX = 443, .explanationY = 2268,
    .counterX = 3378, .counterY = 32, .counterWidth = 1339, .counterPoints = 10,
    .questionTitlePoints = 16,
};

} // namespace

w_tclx::w_tclx() : QuestionWindow("w_tclx", kDesign)
{
    ole_1.Move(32, 2604);
    ole_1.Resize(4617, 376);
}

void w_tclx::takeParm(const String &as_parm)
{
    const long ll_comma = Pos(as_parm, ",");
    il_error_flag = Long(ll_comma > 0 ? Mid(as_parm, ll_comma + 1) : as_parm);
}

void w_tclx::openBrowserStrip()
{
    of_show_maker_news(ole_1);
}

void w_tclx::layoutBrowserStrip()
{
    ole_1.Move(gb_3.X(), gb_3.Y() + gb_3.Height() - 10);
    ole_1.SetWidth(gb_3.Width());
}

// Once per question and run of the set, however the answer was found wrong;
// the row keeps the first wrong answer.
bool w_tclx::enterWrong(long ll_mno, const String &as_zdanswer, FoundBy)
{
    long li_countrow = 0;
    sqlca.SelectInto("select count ( *) from t_error where mno =? and flag =?", {ll_mno, il_error_flag},
                     li_countrow);
    if (li_countrow > 0)
        return true;
    return EnterInBook("insert into t_error ( user , mno , flag , zdanswer ) values ( 'kelvadorint' , ? , ? , ? )",
                {ll_mno, il_error_flag, as_zdanswer});
}

void w_tclx::hintScript()
{
    if (cb_da.Text() == "答案不提示") {
        cb_da.SetText("答案提示");
        is_dzts = "1";
    } else {
        cb_da.SetText("答案不提示");
        is_dzts = "2";
    }
    il_currentrow = dw_1->GetRow();
    if (il_currentrow >= 1)
        f_display(il_currentrow);
}

void w_tclx::openScore()
{
    OpenNewWithParm(w_jj_tc, static_cast<double>(il_error_flag));
}
