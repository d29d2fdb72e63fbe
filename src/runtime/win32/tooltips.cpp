#include "runtime/win32/tooltips.h"

#include <QToolTip>

namespace runtime {

bool ToolTipWindow::AddTool(QWidget *tool, int id, const QRect &rect, const String &text)
{
    if (!tool)
        return false;
    tools_.push_back({tool, id, rect, text});
    return true;
}

void ToolTipWindow::RelayMouseMove(QWidget *tool, const QPoint &pos)
{
    // A window registered again stands for what it is now: its latest tool
    // that covers the pointer is the one that counts.
    const Tool *hit = nullptr;
    for (const Tool &t : tools_)
        if (t.window == tool && t.rect.contains(pos))
            hit = &t;
    const String text = hit ? hit->text : String();
    if (text == shown_ && (text.empty() || QToolTip::isVisible()))
        return;
    shown_ = text;
    if (text.empty())
        QToolTip::hideText();
    else
        QToolTip::showText(tool->mapToGlobal(pos), ToQString(text), tool);
}

String ToolTipWindow::ShownText() const { return QToolTip::isVisible() ? shown_ : String(); }

} // namespace runtime
