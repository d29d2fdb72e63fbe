#include "menurender/nvo_supermenu_class.h"

#include "runtime/ui/menu.h"
#include "runtime/win32/logfonts.h"
#include "runtime/win32/shapes.h"

using namespace runtime;

// A font with the face, height and weight of the one selected in hdc.
GdiObject nvo_supermenu_class::of_getmenufont(DeviceContext hdc)
{
    const String face = GetTextFace(hdc);
    TextMetric metrics;
    GetTextMetrics(hdc, metrics);
    LogFont font;
    font.faceName = face.empty() ? String(" ") : face;
    font.height = metrics.height;
    font.weight = metrics.weight;
    return CreateFontIndirect(font);
}

// A bold font of the face selected in hdc, 16 pixels high, running upward.
GdiObject nvo_supermenu_class::of_createverticalfont(DeviceContext hdc)
{
    const String face = GetTextFace(hdc);
    LogFont font;
    font.faceName = face.empty() ? String(" ") : face;
    font.weight = 700;
    font.escapement = 900;
    font.orientation = 900;
    font.height = -16;
    return CreateFontIndirect(font);
}

// Over the direct items of am_menu that hold a tab: the widest text before
// the tab against the widest after it, as the share of the first in both.
double nvo_supermenu_class::of_getshortcutkeyrate(MenuItem &am_menu)
{
    const DeviceContext dc = GetDC(il_winhandle);
    const GdiObject font = of_getmenufont(dc);
    const GdiObject previous = SelectObject(dc, font);
    short width1 = 0, width2 = 0;
    for (MenuItem *item : am_menu.Item()) {
        const String text = item->Text();
        const long p = Pos(text, "\t");
        if (p <= 0)
            continue;
        tagrect rect;
        CalcTextRect(dc, Left(text, p - 1), p - 1, rect);
        width1 = std::max<short>(width1, static_cast<short>(rect.right - rect.left));
        rect = tagrect{};
        CalcTextRect(dc, Mid(text, p + 1), Len(text) - p, rect);
        width2 = std::max<short>(width2, static_cast<short>(rect.right - rect.left));
    }
    SelectObject(dc, previous);
    DeleteObject(font);
    const double rate = width1 + width2 > 0 ? static_cast<double>(width1) / (width1 + width2) : 0;
    ReleaseDC(il_winhandle, dc);
    return rate;
}
