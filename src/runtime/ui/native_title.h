// A window's title as the window manager sees it.
#pragma once

class QWidget;

namespace runtime {

// Qt never gives the window system an empty title: it puts the program's
// name in its place. A window whose title is empty is shown with none, so
// where the window is on X11 its name properties are written empty again.
// Call after the title changes and once the window is shown.
void KeepEmptyTitleEmpty(QWidget *topLevel);

} // namespace runtime
