#include "practice/w_jj_tc.h"

#include "app/globals.h"
#include "paper/score.h"
#include "runtime/draw/colors.h"

using namespace runtime;

runtime::GlobalWindow<class w_jj_tc> w_jj_tc;

w_jj_tc::w_jj_tc() : Window("w_jj_tc")
{
    SetWindowState(WindowState::Maximized);
    SetTitle("");
    Resize(4343, 2108);
    SetCenter(true);
    SetBackColor(RGB(255, 255, 255));

    cb_1.Move(3886, 92);
    cb_1.Resize(325, 104);
    cb_1.SetText("关闭");
    cb_1.SetFont({"Arial", 9, 400, kAnsiCharSet});
    cb_1.SetTabOrder(20);

    st_1.Move(5, 36);
    st_1.Resize(3305, 152);
    st_1.SetText("0");
    st_1.SetFont({"Arial", 16, 400, kAnsiCharSet});
    st_1.SetBackColor(RGB(255, 255, 255));

    PlaceWrongList(dw_1, 5, 264, 2491);

    open = [this] {
        const long ll_error_index = static_cast<long>(message.DoubleParm);
        // The first wrong answer of each question of this run of the set
        // counts, whatever the learner corrected afterwards.
        sqlca.Execute("update t_kzmn set zdanswer = (select e.zdanswer from t_error e"
                      " where e.mno = t_kzmn.mno and e.flag = ? order by e.id limit 1)"
                      " where mno in (select mno from t_error where flag = ?)",
                      {ll_error_index, ll_error_index});
        sqlca.Commit();

        ShowScore(st_1, "成绩：", "分,注意这个成绩不含修正后的，即第一次答错了，就当成错的。", dw_1);
        dw_1.SetFocus();
    };

    resize = [this](unsigned long, int, int) {
        st_1.SetX((Width() - st_1.Width()) / 2);
        dw_1.SetWidth(Width() - 50);
        dw_1.SetHeight(Height() - 400);
        cb_1.SetX(Width() - 500);
    };

    cb_1.clicked = [this] { Close(*this); };
}
