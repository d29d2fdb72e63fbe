#include "menurender/nvo_supermenu_class.h"

#include "runtime/draw/colors.h"
#include "runtime/win32/shapes.h"

using namespace runtime;

// The item's text and, right-aligned 12 pixels short of the right edge, its
// shortcut key; a disabled item's both embossed, a light copy under a shadow.
void nvo_supermenu_class::of_drawtext(DeviceContext hdc, const String &as_text, const String &as_shortcutkey,
                                      tagrect ast_rect, bool ab_enabled)
{
    SetBkMode(hdc, BackgroundMode::Transparent);
    if (ab_enabled) {
        SetTextColor(hdc, GetSysColor(SystemColor::MenuText));
        DrawText(hdc, as_text, Len(as_text), ast_rect, TextLeft);
        ast_rect.right -= 12;
        DrawText(hdc, as_shortcutkey, Len(as_shortcutkey), ast_rect, TextRight);
        return;
    }
    SetTextColor(hdc, GetSysColor(SystemColor::ButtonHighlight));
    ast_rect.left += 1;
    ast_rect.top += 1;
    DrawText(hdc, as_text, Len(as_text), ast_rect, TextVCentre);
    SetTextColor(hdc, GetSysColor(SystemColor::ButtonShadow));
    ast_rect.left -= 1;
    ast_rect.top -= 1;
    DrawText(hdc, as_text, Len(as_text), ast_rect, TextVCentre);
    SetTextColor(hdc, GetSysColor(SystemColor::ButtonHighlight));
    ast_rect.top += 1;
    ast_rect.right -= 12;
    DrawText(hdc, as_shortcutkey, Len(as_shortcutkey), ast_rect, TextRight);
    SetTextColor(hdc, GetSysColor(SystemColor::ButtonShadow));
    ast_rect.left -= 1;
    ast_rect.top -= 1;
    DrawText(hdc, as_shortcutkey, Len(as_shortcutkey), ast_rect, TextRight);
}

// The check box: a rounded frame in the caption colour round a small
// highlight-coloured square, at a fixed place below the item's top left.
void nvo_supermenu_class::of_drawchecked(DeviceContext hdc, const tagrect &rect)
{
    const tagrect fillrect{rect.left + 8, rect.top + 9, rect.left + 14, rect.top + 14};
    const GdiObject hpen = CreatePen(1, GetSysColor(SystemColor::ActiveCaption));
    const GdiObject holdpen = SelectObject(hdc, hpen);
    RoundRect(hdc, fillrect.left - 2, fillrect.top - 2, fillrect.right + 2, fillrect.bottom + 2, 4, 4);
    SelectObject(hdc, holdpen);
    DeleteObject(hpen);
    FillRect(hdc, fillrect, GetSysColorBrush(SystemColor::Highlight));
}

// A rectangle framed in one colour and filled with another.
void nvo_supermenu_class::of_xprect(DeviceContext hdc, tagrect rect, long al_pencolor, long al_brushcolor)
{
    const GdiObject hpen = CreatePen(1, al_pencolor);
    const GdiObject holdpen = SelectObject(hdc, hpen);
    const GdiObject hnewbrush = CreateSolidBrush(al_brushcolor);
    const GdiObject holdbrush = SelectObject(hdc, hnewbrush);
    Rectangle(hdc, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(hdc, holdpen);
    DeleteObject(hpen);
    SelectObject(hdc, holdbrush);
    DeleteObject(hnewbrush);
}
