#include "runtime/ui/hyperlink.h"

#include "runtime/draw/colors.h"
#include "runtime/ui/clickable_label.h"
#include "runtime/ui/urlopener.h"

namespace runtime {

StaticHyperLink::StaticHyperLink(ControlParent &parent, const String &name) : StaticText(parent, name)
{
    SetPointer("HyperLink!");
    SetTextColor(kHyperLinkColor);
    // The clicked script runs first, so that the address it sets is the one
    // that opens.
    label()->onClicked = [this] {
        clicked.Trigger();
        if (!url_.empty())
            OpenUrl(url_);
    };
}

} // namespace runtime
