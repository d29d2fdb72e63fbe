#include "runtime/ui/hyperlink.h"

#include "runtime/ui/clickable_label.h"
#include "runtime/ui/colors.h"
#include "runtime/ui/urlopener.h"

namespace runtime {

StaticHyperLink::StaticHyperLink(ControlParent &parent, const String &name) : StaticText(parent, name)
{
    SetPointer("HyperLink!");
    SetTextColor(kHyperLinkColor);
    // The address opens first; then the clicked script, if any, runs.
    label()->onClicked = [this] {
        if (!url_.empty())
            OpenUrl(url_);
        clicked.Trigger();
    };
}

} // namespace runtime
