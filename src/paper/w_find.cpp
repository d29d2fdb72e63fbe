#include "paper/w_find.h"

#include "runtime/draw/colors.h"
#include "runtime/ui/messagebox.h"

using namespace runtime;

runtime::GlobalWindow<class w_find> w_find;

w_find::w_find() : Window("w_find")
{
    SetWindowType(WindowType::Response);
    // No caption: a task bar names the dialog by nothing either.
    SetTitle("");
    SetTitleBar(false);
    SetControlMenu(false);
    SetMinBox(false);
    SetMaxBox(false);
    SetResizable(false);
    Resize(1271, 344);
    SetCenter(true);
    SetBackColor(kButtonFace);

    const Font arial{"Arial", 9, 400, kAnsiCharSet};
    cb_1.Move(768, 96);
    cb_1.Resize(206, 96);
    cb_1.SetText("返回");
    cb_1.SetFont(arial);
    cb_1.SetTabOrder(20);

    em_1.Move(398, 88);
    em_1.Resize(343, 104);
    em_1.SetFont(arial);
    em_1.SetMask("###");
    em_1.SetSpin(true);
    em_1.SetMinMax(1, 100);
    em_1.SetTabOrder(10);

    st_1.Move(105, 108);
    st_1.Resize(274, 60);
    st_1.SetText("输入题号:");
    st_1.SetFont(arial);
    st_1.SetTextColor(kWindowText);
    st_1.SetBackColor(kButtonFace);

    open = [this] {
        const String ls_parm = message.StringParm;
        const long p = Pos(ls_parm, "-");
        em_1.SetText(Left(ls_parm, p - 1));
        il_max = Long(Mid(ls_parm, p + 1));
        em_1.SetMinMax(1, il_max);
        em_1.SetFocus();
    };
    cb_1.clicked = [this] { checkAndReturn(); };
    em_1.keydown = [this](KeyCode key, unsigned) {
        if (key == KeyCode::KeyEnter)
            checkAndReturn();
    };
}

void w_find::checkAndReturn()
{
    const long n = Long(em_1.Text());
    if (n < 1 || n > il_max) {
        MessageBox("提示:", "输入有误,应该在1到" + String(il_max) + "之内!");
        // A set without questions has no number to accept: the dialog
        // closes with 0, which the question window takes as no move.
        if (il_max < 1)
            CloseWithReturn(*this, 0.0);
        return;
    }
    CloseWithReturn(*this, static_cast<double>(n));
}
