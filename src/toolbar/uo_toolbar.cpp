#include "toolbar/uo_toolbar.h"

using namespace runtime;

uo_toolbar::uo_toolbar(ControlParent &parent, const String &name) : UserObject(parent, name) {}

void uo_toolbar::of_setalign(const String &) {}

void uo_toolbar::of_setbuttonsize(int) {}

void uo_toolbar::of_readmenu(Menu *) {}

void uo_toolbar::of_hidebottom() {}

void uo_toolbar::of_draw() {}
