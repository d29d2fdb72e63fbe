#include "exam/w_print.h"

#include "app/globals.h"
#include "dataobjects/dataobjects.h"
#include "runtime/draw/colors.h"
#include "runtime/ui/clock.h"
#include "runtime/ui/messagebox.h"

using namespace runtime;

runtime::GlobalWindow<class w_print> w_print;

w_print::w_print() : Window("w_print")
{
    SetTitle("成绩单打印");
    Resize(2921, 1444);
    SetCenter(true);
    SetBackColor(kButtonFace);

    struct Button {
        CommandButton &control;
        int x, y;
        const char *text;
    };
    for (const Button &b : {Button{cb_3, 2473, 556, "保存"}, Button{cb_2, 2482, 212, "退出"}, Button{cb_1, 2482, 88, "打印"}}) {
        b.control.Move(b.x, b.y);
        b.control.Resize(343, 104);
        b.control.SetText(b.text);
        b.control.SetFont({"Arial", 9, 400, kAnsiCharSet});
        b.control.SetTabOrder(20);
    }

    dw_1->SetDataObject(d_cjd());
    dw_1.Move(9, 16);
    dw_1.Resize(2437, 1312);
    dw_1.SetTabOrder(10);
    dw_1->SetVScrollBar(false);
    dw_1->SetBorder(true);

    cb_3.clicked = [this] {
        dw_1->AcceptText();
        const long row = dw_1->GetRow();
        const Value ls_name = dw_1->GetItem(row, "name");
        const Value ls_sfzh = dw_1->GetItem(row, "sfzh");
        const Value ls_mdate = dw_1->GetItem(row, "mdate");
        const Value ls_dw = dw_1->GetItem(row, "dw");
        const Value ls_cj = dw_1->GetItem(row, "cj");
        sqlca.Execute("insert into t_cj ( name , sfzh , mdate , dw , cj ) values ( ? , ? , ? , ? , ? )",
                      {ls_name, ls_sfzh, ls_mdate, ls_dw, ls_cj});
        if (sqlca.SQLCode != 0) {
            MessageBox("警告", "没有保存成功！\r\n" + sqlca.SQLErrText, Icon::StopSign);
            return;
        }
        sqlca.Commit();
    };

    cb_1.clicked = [this] { dw_1->Print(); };

    cb_2.clicked = [this] { Close(*this); };
}

void OpenScoreSheet(long al_cj)
{
    Open(w_print);
    const long ll_row = w_print->dw_1->InsertRow(0);
    w_print->dw_1->SetItem(ll_row, "cj", String(al_cj));
    w_print->dw_1->SetItem(ll_row, "mdate", DateTimeNow());
}
