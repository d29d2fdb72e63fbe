// The tooltip window: it holds tools, rectangles of other windows with a tip
// text each, and is told of the mouse moves over them. It shows the tip of
// the tool under the pointer and hides it when the pointer is over no tool.
#pragma once

#include "runtime/text/text.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <vector>

namespace runtime {

class ToolTipWindow {
public:
    // Registers rect (pixels of tool's client area) with text under id.
    // Returns false when there is no window to register.
    bool AddTool(QWidget *tool, int id, const QRect &rect, const String &text);
    // A mouse move over tool at pos (pixels of its client area).
    void RelayMouseMove(QWidget *tool, const QPoint &pos);
    // The text on show; empty while no tip is shown.
    String ShownText() const;

private:
    struct Tool {
        QPointer<QWidget> window;
        int id;
        QRect rect;
        String text;
    };
    std::vector<Tool> tools_;
    String shown_;
};

} // namespace runtime
