// Window handles: a number that stands for a widget for as long as the widget
// lives, as the operating system's window handles do. 0 is no window.
#pragma once

class QWidget;

namespace runtime {

class Control;
class Window;

using WindowHandle = unsigned long;

// The handle of a widget, made on first asking; 0 for no widget.
WindowHandle HandleOf(QWidget *widget);
// The widget of a handle; null for 0, an unknown handle or a widget that is gone.
QWidget *WidgetOf(WindowHandle handle);

// The runtime's Handle(): the window handle of a control or a window.
WindowHandle Handle(const Control &control);
WindowHandle Handle(const Window &window);

} // namespace runtime
