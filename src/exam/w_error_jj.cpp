#include "exam/w_error_jj.h"

#include "app/globals.h"
#include "exam/w_jj.h"
#include "exam/w_mnkz_2012.h"
#include "paper/current_paper.h"
#include "runtime/draw/colors.h"

using namespace runtime;

runtime::GlobalWindow<class w_error_jj> w_error_jj;

w_error_jj::w_error_jj() : Window("w_error_jj")
{
    SetWindowType(WindowType::Response);
    SetTitle("");
    Resize(3954, 1816);
    SetCenter(true);
    SetMinBox(false);
    SetMaxBox(false);
    SetResizable(false);
    SetBackColor(RGB(192, 220, 192));

    struct Label {
        StaticText &control;
        int x, y, width;
        const char *text;
    };
    for (const Label &l : {Label{st_2, 2199, 1660, 379, "按回车键"}, Label{st_1, 1417, 1652, 201, "按+"}}) {
        l.control.Move(l.x, l.y);
        l.control.Resize(l.width, 76);
        l.control.SetText(l.text);
        l.control.SetFont({"Arial", 12, 400, kAnsiCharSet});
        l.control.SetTextColor(RGB(255, 0, 0));
        l.control.SetBackColor(kButtonFace);
    }

    struct Button {
        CommandButton &control;
        int x, tabOrder;
        const char *text;
    };
    for (const Button &b : {Button{cb_1, 1243, 40, "确认交卷"}, Button{cb_2, 2080, 30, "继续考试"}}) {
        b.control.Move(b.x, 1436);
        b.control.Resize(608, 208);
        b.control.SetText(b.text);
        b.control.SetFont({"Arial", 16, 400, kAnsiCharSet});
        b.control.SetTabOrder(b.tabOrder);
    }
    cb_2.SetDefault(true);

    p_1.Move(494, 52);
    p_1.Resize(2821, 1332);
    p_1.SetOriginalSize(true);
    p_1.SetPictureName("pic\\error_enter.jpg");

    key = [this](KeyCode key, unsigned) {
        if (key == KeyCode::KeyEnter)
            Close(*this);
        if (key == KeyCode::KeyAdd)
            cb_1.clicked.Trigger();
    };

    cb_1.clicked = [this] {
        gs_error_jj_flag = "2";
        OpenNew(w_jj);
        Close(*this);
        Close(w_mnkz_2012);
    };

    cb_2.clicked = [this] { Close(*this); };
}
