#include "menurender/nvo_supermenu_class.h"

#include "runtime/ui/menu.h"
#include "runtime/win32/ownerdraw.h"

using namespace runtime;

// A draw request: a registered item is drawn highlighted or plain; a
// highlighted disabled item is left as it is.
int nvo_supermenu_class::of_drawitem(unsigned long &, long &drawitemstruct)
{
    const DrawItemRecord *request = DrawItemRecordOf(drawitemstruct);
    if (!request)
        return 0;
    const DrawItemRecord tdrawitemstruct = *request;
    const DeviceContext hdc = tdrawitemstruct.hdc;
    tagrect rtmp = tdrawitemstruct.rcItem;
    const int li_row = of_find_byid(static_cast<long>(tdrawitemstruct.itemData));
    if (li_row < 1)
        return 0;
    const ust_menuinfo &row = ist_menuinfo[li_row - 1];
    if (!row.alive)
        return 0; // its menu item is gone
    if (of_containselement(static_cast<long>(tdrawitemstruct.itemState), kItemSelected)) {
        if (!row.menupt->Enabled())
            return 0;
        of_drawselectitem(menustyle, hdc, rtmp, row);
    } else {
        of_drawnormalitem(menubkstyle, hdc, rtmp, row);
    }
    return 0;
}
