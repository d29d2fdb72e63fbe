#include "exam/w_jj.h"

#include "app/n_internetresult.h"
#include "exam/w_print.h"
#include "paper/score.h"
#include "runtime/draw/colors.h"

using namespace runtime;

runtime::GlobalWindow<class w_jj> w_jj;

w_jj::w_jj() : Window("w_jj")
{
    SetWindowState(WindowState::Maximized);
    SetTitle("");
    Resize(4718, 2444);
    SetCenter(true);
    SetBackColor(RGB(255, 255, 255));

    ole_1.Move(0, 220);
    ole_1.Resize(4617, 376);
    ole_1.SetTabOrder(20);

    st_4.Move(1733, 12);
    st_4.Resize(425, 156);
    st_4.SetText("成绩:");
    st_4.SetFont({"Arial Black", 24, 400, kAnsiCharSet});
    st_4.SetTextColor(RGB(255, 0, 0));
    st_4.SetBackColor(RGB(255, 255, 255));

    cb_2.Move(3822, 28);
    cb_2.Resize(325, 104);
    cb_2.SetText("关闭");
    cb_2.SetFont({"Arial", 9, 400, kAnsiCharSet});
    cb_2.SetDefault(true);
    cb_2.SetTabOrder(10);

    cb_1.Move(251, 472);
    cb_1.Resize(325, 104);
    cb_1.SetText("打印成绩");
    cb_1.SetFont({"Arial", 9, 400, kAnsiCharSet});
    cb_1.SetVisible(false);
    cb_1.SetDefault(true);
    cb_1.SetTabOrder(20);

    st_1.Move(2203, 16);
    st_1.Resize(334, 164);
    st_1.SetText("0");
    st_1.SetFont({"Arial Black", 24, 400, kAnsiCharSet});
    st_1.SetTextColor(kWindowText);
    st_1.SetBackColor(RGB(255, 255, 255));

    PlaceWrongList(dw_1, 9, 632, 4599);

    open = [this] {
        il_cj = ShowScore(st_1, "", "分", dw_1);

        of_show_maker_news(ole_1);
    };

    resize = [this](unsigned long, int, int) {
        cb_1.SetX(static_cast<int>((Width() - cb_1.Width()) * 0.5 - 650));
        dw_1.SetWidth(Width() - 50);
        dw_1.SetHeight(Height() - 700);
    };

    cb_2.clicked = [this] { Close(*this); };

    cb_1.clicked = [this] { OpenScoreSheet(il_cj); };
}
