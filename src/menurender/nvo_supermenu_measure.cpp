#include "menurender/nvo_supermenu_class.h"

#include "runtime/ui/menu.h"
#include "runtime/win32/ownerdraw.h"
#include "runtime/win32/shapes.h"

using namespace runtime;

int nvo_supermenu_class::of_measureitem(unsigned long &, long &measureitemstruct)
{
    MeasureItemRecord *request = MeasureItemRecordOf(measureitemstruct);
    if (!request)
        return 0;
    MeasureItemRecord measure = *request;
    if (measure.ctlType != kOwnerDrawMenu || measure.itemData == 0)
        return 0;
    const int row = of_find_byid(static_cast<long>(measure.itemData));
    if (row == 0)
        return 0;
    const ust_menuinfo &item = ist_menuinfo[row - 1];
    if (!item.alive)
        return 0; // its menu item is gone
    String text = Trim(item.menupt->Text());
    if (Pos(text, "\t") == 0)
        text += item.shortcutkey;

    if (item.menupt->Text() == "-") {
        measure.itemHeight = GetSystemMetrics(SystemMetric::MenuHeight) / 3;
        measure.itemWidth = 0;
    } else {
        measure.itemHeight = GetSystemMetrics(SystemMetric::MenuHeight) + 3;
        // Always the system font, whatever font the menus are drawn in.
        const DeviceContext dc = GetDC(il_winhandle);
        const GdiObject previous = SelectObject(dc, GetStockObject(StockObject::SystemFont));
        const Size size = GetTextExtentPoint32(dc, text, Len(text));
        SelectObject(dc, previous);
        const short rcwidth = static_cast<short>(size.cx);
        // Items inside pop-ups leave room for the icon column.
        measure.itemWidth = static_cast<unsigned long>(item.level != 0 ? rcwidth + 22 : rcwidth);
        ReleaseDC(il_winhandle, dc);
    }
    *request = measure;
    return 0;
}
