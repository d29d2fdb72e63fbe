// What is drawn onto a window from outside its own painting (through a
// device context, runtime/win32/gdi.h): a transparent layer over the window
// that stays on the screen until the control is redrawn
// (Control::SetRedraw(true)) or the drawing is cleared.
#pragma once

class QImage;
class QWidget;

namespace runtime {

// Puts drawn (the window's size, transparent where nothing was drawn) over
// what has been drawn onto the window before. The same drawing again does
// not repaint.
void DrawOntoScreen(QWidget *window, const QImage &drawn);

// Removes what was drawn onto the widget and onto its child widgets.
void ClearScreenDrawing(QWidget *widget);

} // namespace runtime
