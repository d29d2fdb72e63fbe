#include "runtime/ui/mdiclient.h"

#include "runtime/draw/colors.h"

#include <QMdiArea>

namespace runtime {

MdiClient::MdiClient(ControlParent &parent, const String &name) : Control(parent, name, new QMdiArea)
{
    static_cast<QMdiArea *>(widget())->setFrameStyle(QFrame::NoFrame);
    SetBackColor(kAppWorkspace);
}

void MdiClient::applyColors()
{
    const QColor back = ToQColor(BackColor());
    static_cast<QMdiArea *>(widget())->setBackground(back.isValid() ? back : ToQColor(kAppWorkspace));
}

} // namespace runtime
