#include "app/w_setup.h"

#include "app/globals.h"
#include "dataobjects/dataobjects.h"
#include "runtime/draw/colors.h"
#include "runtime/ui/halt.h"
#include "runtime/ui/messagebox.h"

using namespace runtime;

runtime::GlobalWindow<class w_setup> w_setup;

namespace {
Font arial(int points, int weight = 400) { return {"Arial", points, weight, kAnsiCharSet}; }
} // namespace

w_setup::w_setup() : Window("w_setup")
{
    SetWindowType(WindowType::Main);
    SetTitle("系统设置");
    SetControlMenu(true);
    SetMinBox(true);
    SetMaxBox(true);
    SetResizable(true);
    SetCenter(true);
    Resize(2025, 848);
    SetBackColor(kButtonFace);
    SetIcon("AppIcon!");

    // Unused: no script gives it a transaction or retrieves it.
    dw_1->SetDataObject(d_cx());
    dw_1.Move(1865, 856);
    dw_1.Resize(407, 248);
    dw_1.SetVisible(false);

    st_7.SetText("选择车型:");
    st_7.Move(384, 1520);
    st_7.Resize(343, 60);
    st_7.SetFont(arial(9));

    ddlb_2.Move(736, 1500);
    ddlb_2.Resize(859, 396);
    ddlb_2.SetFont(arial(9));
    ddlb_2.SetAllowEdit(true);
    ddlb_2.SetLimit(20);

    cbx_1.Move(1829, 136);
    cbx_1.Resize(146, 120);
    cbx_1.SetFont(arial(15, 700));
    cbx_1.SetChecked(true);

    cb_2.SetText("关闭");
    cb_2.Move(878, 472);
    cb_2.Resize(343, 104);
    cb_2.SetFont(arial(9));
    cb_2.SetTabOrder(20);

    cb_1.SetText("确定");
    cb_1.Move(535, 472);
    cb_1.Resize(343, 104);
    cb_1.SetFont(arial(9));
    cb_1.SetTabOrder(10);

    st_2.SetText("系统默认的车型:");
    st_2.Move(142, 276);
    st_2.Resize(791, 124);
    st_2.SetFont(arial(15, 700));
    st_2.SetVisible(false);

    st_1.SetText("系统每次开启时是否清空<历史回顾>:");
    st_1.Move(142, 144);
    st_1.Resize(1664, 116);
    st_1.SetFont(arial(15, 700));

    open = [this] {
        String ls_frist;
        sqlca.SelectInto("select frist from t_system where id =1 ", {}, ls_frist);
        cbx_1.SetChecked(ls_frist == "1");
    };

    cb_1.clicked = [this] {
        const String ls_frist = cbx_1.Checked() ? "1" : "2";
        sqlca.Execute("update t_system set frist =? where id =1 ", {ls_frist});
        if (sqlca.SQLCode != 0) {
            MessageBox("警告", "数据库更新出错！\r\n" + sqlca.SQLErrText, Icon::StopSign);
            Halt(1);
            return;
        }
        sqlca.Commit();
        Close(*this);
    };

    cb_2.clicked = [this] { Close(*this); };
}
