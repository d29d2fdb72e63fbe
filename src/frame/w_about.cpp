#include "frame/w_about.h"

#include "runtime/draw/colors.h"

using namespace runtime;

runtime::GlobalWindow<class w_about> w_about;

w_about::w_about() : w_windows("w_about")
{
    SetWindowType(WindowType::Response);
    SetTitle("关于本软件");
    Resize(1527, 832);
    SetMinBox(false);
    SetMaxBox(false);
    SetResizable(false);

    st_1.SetText("版本信息:v2014.09.01");
    st_1.Move(270, 232);
    st_1.Resize(841, 100);
    st_1.SetFont({"Arial", 12, 700, kAnsiCharSet});
    st_1.SetTextColor(kWindowText);
    st_1.SetBackColor(kButtonFace);

    cb_1.SetText("确 定");
    cb_1.Move(489, 532);
    cb_1.Resize(402, 116);
    cb_1.SetFont({"宋体", 9, 400, kGB2312CharSet});
    cb_1.SetTabOrder(20);

    gb_1.Move(105, 452);
    gb_1.Resize(1312, 36);
    gb_1.SetFont({"Arial", 9, 400, kAnsiCharSet});
    gb_1.SetTabOrder(10);
    gb_1.SetTextColor(kWindowText);
    gb_1.SetBackColor(kButtonFace);

    cb_1.clicked = [this] { Close(*this); };
}
