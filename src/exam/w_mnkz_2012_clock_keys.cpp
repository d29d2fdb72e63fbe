// The examination clock (44:59 down, seconds 60 to 1; at the end the paper
// is handed in) and the keys that take the examination from the keyboard.
#include "exam/w_mnkz_2012.h"

#include "exam/w_jj.h"
#include "paper/current_paper.h"

using namespace runtime;

namespace {
String twoDigits(long n) { return (n < 10 ? "0" : "") + String(n); }
} // namespace

void w_mnkz_2012::timerScript()
{
    if (!countDown()) {
        OpenNew(w_jj);
        Close(*this);
        return;
    }
    st_10.SetText(twoDigits(il_mm) + ":" + twoDigits(il_ss));
}

void w_mnkz_2012::keyScript(KeyCode key)
{
    const bool lb_fourOptions = is_tx == "1" || is_tx == "0";
    switch (key) {
    case KeyCode::Key1:
    case KeyCode::KeyNumpad1: cb_4.clicked.Trigger(); break;
    case KeyCode::Key2:
    case KeyCode::KeyNumpad2: cb_5.clicked.Trigger(); break;
    case KeyCode::Key3:
    case KeyCode::KeyNumpad3:
        if (lb_fourOptions)
            cb_6.clicked.Trigger();
        break;
    case KeyCode::Key4:
    case KeyCode::KeyNumpad4:
        if (lb_fourOptions)
            cb_7.clicked.Trigger();
        break;
    case KeyCode::Key5:
    case KeyCode::KeyNumpad5:
        f_display(1);
        cb_4.SetFocus();
        break;
    case KeyCode::Key6:
    case KeyCode::KeyNumpad6: cb_1.clicked.Trigger(); break;
    case KeyCode::Key7:
    case KeyCode::KeyNumpad7: cb_2.clicked.Trigger(); break;
    case KeyCode::Key8:
    case KeyCode::KeyNumpad8:
        f_display(100);
        cb_4.SetFocus();
        break;
    case KeyCode::Key9:
    case KeyCode::KeyNumpad9:
        f_display(41);
        cb_4.SetFocus();
        break;
    case KeyCode::KeyAdd: cb_jj.clicked.Trigger(); break;
    default: break;
    }
}
