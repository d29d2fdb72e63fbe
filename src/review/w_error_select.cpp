#include "review/w_error_select.h"

#include "app/globals.h"
#include "paper/current_paper.h"
#include "review/w_error.h"
#include "runtime/draw/colors.h"
#include "runtime/ui/messagebox.h"

using namespace runtime;

runtime::GlobalWindow<class w_error_select> w_error_select;

w_error_select::w_error_select() : Window("w_error_select")
{
    SetWindowType(WindowType::Main);
    Resize(1641, 608);
    SetTitle("错误回顾");
    SetCenter(true);
    SetBackColor(kButtonFace);
    SetIcon("AppIcon!");

    Font font{"Arial", 12, 700, kAnsiCharSet};
    font.italic = true;
    struct {
        CommandButton &cb;
        const char *text;
        int x, width, tab;
    } buttons[] = {{cb_12, "退出", 1120, 306, 60}, {cb_11, "清空回顾题", 626, 489, 20}, {cb_1, "错误回顾", 133, 489, 10}};
    for (auto &b : buttons) {
        b.cb.Move(b.x, 156);
        b.cb.Resize(b.width, 164);
        b.cb.SetText(b.text);
        b.cb.SetFont(font);
        b.cb.SetTabOrder(b.tab);
    }

    cb_1.clicked = [this] { f_error(0); };
    cb_11.clicked = [] {
        if (MessageBox("提示", "确定要清空吗?", Icon::Exclamation, Buttons::OKCancel, 2) != 1)
            return;
        sqlca.ExecuteImmediate("delete from t_error");
        sqlca.Commit();
    };
    cb_12.clicked = [this] { Close(*this); };
}

void w_error_select::f_error(int ai_flag)
{
    // Of the rows of one question the oldest stay; twelve passes, each
    // taking the newest row of every question that has more than one.
    for (int i = 0; i < 12; ++i)
        sqlca.ExecuteImmediate("delete from t_error where id in ( select max ( id ) as mid from t_error "
                               "group by mno having count ( *) > 1 )");
    sqlca.Commit();
    sqlca.ExecuteImmediate("update t_error set errorcs =0");
    ClosePaperWindows();
    sqlca.ExecuteImmediate("delete from t_kzmn");
    sqlca.Commit();

    // A question still named by several rows enters the review once.
    sqlca.Execute("insert into t_kzmn(mno,tx,answer,choice1,choice2,choice3,choice4,pic,txt,analyse,picflag,tieba)  "
                  "select distinct a.mno,b.tx,b.answer,b.choice1,b.choice2,b.choice3,b.choice4,b.pic,b.txt,"
                  "b.analyse,b.picflag,b.tieba from t_error a,t_tk005 b where a.mno=b.mno and errorcs=? "
                  "order by a.mno",
                  {static_cast<long>(ai_flag)});
    if (PaperBuildFailed())
        return;
    sqlca.Commit();

    long ll_countrow = 0;
    sqlca.SelectInto("select count ( *) from t_kzmn", {}, ll_countrow);
    if (ll_countrow > 0)
        Open(w_error);
    else
        MessageBox("提示", "没有要回顾的记录在里面!");
}
