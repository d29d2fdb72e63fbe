#include "exam/w_mnkz_2012.h"

#include "app/globals.h"
#include "exam/w_jj_enter.h"
#include "runtime/draw/colors.h"

using namespace runtime;

runtime::GlobalWindow<class w_mnkz_2012> w_mnkz_2012;

w_mnkz_2012::w_mnkz_2012()
    : PaperWindow("w_mnkz_2012", 44,
                  {{{&st_choice1, &cbx_choice1}, {&st_choice2, &cbx_choice2}, {&st_choice3, &cbx_choice3},
                    {&st_choice4, &cbx_choice4}}})
{
    SetWindowType(WindowType::Main);
    SetWindowState(WindowState::Maximized);
    Resize(4713, 3084);
    SetTitle("模拟考试");
    SetControlMenu(true);
    SetMinBox(true);
    SetMaxBox(true);
    SetResizable(true);
    SetCenter(true);
    SetBackColor(RGB(255, 255, 255));
    SetIcon("AppIcon!");
    createControls();

    open = [this] { openScript(); };
    timer = [this] { timerScript(); };
    key = [this](KeyCode k, unsigned) { keyScript(k); };
    cb_1.clicked = [this] { previousScript(); };
    cb_2.clicked = [this] { nextScript(); };
    cb_jj.clicked = [this] { handInScript(); };
    // However the examination ends (hand-in, time-out, close box, a new
    // paper), its hand-in confirmation goes with it.
    close = [] { Close(w_jj_enter); };

    for (int i = 1; i <= 4; ++i) {
        optionButton(i).clicked = [this, i] { chooseOption(i); };
        // A tick beside an option presses the option's button.
        optionBox(i).clicked = [this, i] { optionButton(i).clicked.Trigger(); };
    }

    dw_1.clicked = [this](int, int, long, String dwo) {
        il_currentrow = Long(Mid(dwo, 3));
        // The answer text under a number counts as the number.
        if (il_currentrow > 100)
            il_currentrow -= 100;
        if (il_currentrow != 0)
            f_display(il_currentrow);
        cb_4.SetFocus();
    };
}

void w_mnkz_2012::openScript()
{
    gs_error_jj_flag = "0";
    st_8.SetText(gs_cx);

    // Every question of the paper starts not judged.
    sqlca.ExecuteImmediate("update t_kzmn set errorflag ='0' ");
    sqlca.Commit();

    // The answer card: one row so that its texts show; numbers 1..100 and
    // bold answer texts.
    dw_1->SetTransObject(sqlca);
    dw_1->Retrieve();
    dw_1->InsertRow(0);
    for (int n = 1; n <= 100; ++n) {
        dw_1->Modify("t_" + String(n) + ".Text='" + String(n) + "'");
        dw_1->Modify("t_" + String(n + 100) + ".font.Weight=700");
    }

    dw_2->SetTransObject(sqlca);
    il_maxrow = dw_2->Retrieve();

    f_get_dt();
    f_display(1);
    // A paper without questions offers nothing to answer.
    if (il_maxrow < 1)
        for (int i = 1; i <= 4; ++i)
            optionButton(i).SetEnabled(false);

    Timer(1);
    cb_4.SetFocus();
    st_10.SetText(String(il_mm) + ":" + String(il_ss));
    for (int i = 1; i <= 4; ++i)
        optionBox(i).SetVisible(false);
}

CommandButton &w_mnkz_2012::optionButton(int ai_option)
{
    CommandButton *buttons[] = {&cb_4, &cb_5, &cb_6, &cb_7};
    return *buttons[ai_option - 1];
}
