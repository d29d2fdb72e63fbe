// STAND-IN for the result window; replaced by the full one.
#include "exam/w_jj.h"

using namespace runtime;

runtime::GlobalWindow<class w_jj> w_jj;

w_jj::w_jj() : Window("w_jj")
{
    SetWindowType(WindowType::Main);
    SetWindowState(WindowState::Maximized);
    SetTitle("成绩");
}
