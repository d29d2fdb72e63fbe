// The first window the program shows after a successful start-up.
#pragma once

void OpenStartupWindow();
