#include "app/w_windows.h"

#include "runtime/draw/colors.h"

using namespace runtime;

w_windows::w_windows(const String &className) : Window(className)
{
    SetWindowType(WindowType::Main);
    Resize(2619, 1436);
    SetTitleBar(true);
    SetTitle("Untitled");
    SetControlMenu(true);
    SetMinBox(true);
    SetMaxBox(true);
    SetResizable(true);
    SetCenter(true);
    SetBackColor(kButtonFace);
    SetIcon("AppIcon!");
}
