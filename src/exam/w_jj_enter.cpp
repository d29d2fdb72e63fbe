#include "exam/w_jj_enter.h"

#include "exam/w_jj.h"
#include "exam/w_mnkz_2012.h"
#include "paper/current_paper.h"
#include "runtime/draw/colors.h"

using namespace runtime;

runtime::GlobalWindow<class w_jj_enter> w_jj_enter;

w_jj_enter::w_jj_enter() : Window("w_jj_enter")
{
    SetTitle("");
    Resize(1234, 444);
    SetCenter(true);
    SetBackColor(kButtonFace);

    cb_2.Move(155, 108);
    cb_2.Resize(425, 132);
    cb_2.SetText("确认交卷");
    cb_2.SetFont({"Arial", 9, 400, kAnsiCharSet});
    cb_2.SetTabOrder(20);

    cb_1.Move(622, 108);
    cb_1.Resize(425, 128);
    cb_1.SetText("继续考试");
    cb_1.SetFont({"Arial", 9, 400, kAnsiCharSet});
    cb_1.SetTabOrder(10);
    cb_1.SetDefault(true);
    cb_1.SetCancel(true);

    // Enter reaches this script only where no default button takes it.
    key = [this](KeyCode key, unsigned) {
        if (key == KeyCode::KeyEnter)
            cb_2.clicked.Trigger();
        else
            Close(*this);
    };

    cb_2.clicked = [this] {
        OpenNew(w_jj);
        Close(*this);
        Close(w_mnkz_2012);
    };

    cb_1.clicked = [this] { Close(*this); };
}
