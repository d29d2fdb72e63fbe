#include "exam/w_login_2012.h"

#include "app/globals.h"
#include "dataobjects/dataobjects.h"
#include "exam/paper_building.h"
#include "exam/w_mnkz_2012.h"
#include "paper/current_paper.h"
#include "runtime/draw/colors.h"
#include "runtime/ui/halt.h"
#include "runtime/ui/messagebox.h"

using namespace runtime;

runtime::GlobalWindow<class w_login_2012> w_login_2012;

w_login_2012::w_login_2012() : Window("w_login_2012")
{
    SetWindowType(WindowType::Response);
    SetTitle("登入窗口");
    SetControlMenu(true);
    SetMinBox(false);
    SetMaxBox(false);
    SetResizable(false);
    SetIcon("AppIcon!");
    SetCenter(true);
    Resize(3630, 2452);

    const Font arial{"Arial", 9, 400, kAnsiCharSet};

    ddlb_1.Move(1618, 1412);
    ddlb_1.Resize(608, 496);
    ddlb_1.SetFont(arial);
    ddlb_1.SetSorted(true);
    ddlb_1.SetTextColor(kWindowText);
    ddlb_1.SetTabOrder(10);

    cb_1.SetText("确定");
    cb_1.Move(2249, 1404);
    cb_1.Resize(361, 124);
    cb_1.SetFont(arial);
    cb_1.SetDefault(true);
    cb_1.SetTabOrder(20);

    // The notice of the examination hall is the window's whole face.
    p_1.Move(0, 0);
    p_1.Resize(3598, 2328);
    p_1.SetPictureName("back.bmp");
    p_1.SetBringToTop(false);

    dw_1.Move(2738, 1636);
    dw_1.Resize(686, 400);
    dw_1->SetDataObject(d_cx());
    dw_1.SetVisible(false);

    dw_2.Move(2075, 1932);
    dw_2.Resize(686, 400);
    dw_2->SetDataObject(d_kznr_new());
    dw_2.SetVisible(false);

    open = [this] {
        dw_1->SetTransObject(sqlca);
        const long ll_rows = dw_1->Retrieve();
        for (long i = 1; i <= ll_rows; ++i)
            ddlb_1.AddItem(dw_1->GetItemString(i, "name") + "--" + dw_1->GetItemString(i, "readme"));
        ddlb_1.SelectItem(6);
        dw_2->SetTransObject(sqlca);
        il_sqlnew = dw_2->GetSQLSelect();
    };

    resize = [this](unsigned long, int, int) {
        p_1.Move(0, 0);
        p_1.Resize(Width(), Height());
    };

    cb_1.clicked = [this] {
        const String ls_text = ddlb_1.Text();
        gs_cx = Left(ls_text, Pos(ls_text, "-") - 1);
        const String ls_group = RuleGroupOf(gs_cx);

        ClosePaperWindows();
        il_newrow = BuildPaper(sqlca, *dw_2, il_sqlnew, ls_group);

        if (sqlca.SQLCode != 0) {
            MessageBox("警告", "生成题库出错1！\r\n" + sqlca.SQLErrText, Icon::StopSign);
            Halt(1);
            return;
        }
        sqlca.Commit();
        Open(w_mnkz_2012);
        Close(*this);
    };
}
