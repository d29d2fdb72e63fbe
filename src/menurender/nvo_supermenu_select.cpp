#include "menurender/nvo_supermenu_class.h"
#include "menurender/nvo_supermenu_itemtext.h"

#include "runtime/draw/colors.h"
#include "runtime/ui/menu.h"
#include "runtime/win32/icons.h"
#include "runtime/win32/shapes.h"

using namespace runtime;

// The highlighted item in one of the eleven looks, then its text and
// shortcut key.
void nvo_supermenu_class::of_drawselectitem(int ai_menustyle, DeviceContext hdc, tagrect &ast_rect,
                                            const ust_menuinfo &ast_menuinfo)
{
    String ls_itemname = of_itemtext(ast_menuinfo, menubkstyle);
    const MenuItem &lm_menupt = *ast_menuinfo.menupt;
    const String &ls_shortcutkey = ast_menuinfo.shortcutkey;
    const long L = ast_rect.left, T = ast_rect.top, R = ast_rect.right, B = ast_rect.bottom;
    const bool bare = !of_hasicon(ast_menuinfo) && !lm_menupt.Checked();

    // The check box, or else the icon with its top left at x, y.
    auto checkOrIcon = [&](int x, int y) {
        if (lm_menupt.Checked())
            of_drawchecked(hdc, ast_rect);
        else if (of_hasicon(ast_menuinfo))
            DrawIconEx(hdc, x, y, ast_menuinfo.hicon, 16, 16);
    };

    if (ai_menustyle == style_normal) {
        FillRect(hdc, ast_rect, GetSysColorBrush(SystemColor::Highlight));
        checkOrIcon(L + 3, T + 3);
        SetTextColor(hdc, GetSysColor(SystemColor::HighlightText));
    } else if (ai_menustyle >= style_office2k && ai_menustyle <= style_vedgegradient) {
        // A raised box round the icon column, whose inside stays as it was.
        DrawRaisedEdge(hdc, tagrect{L + 1, T, L + 21, B});
        tagrect rtmp{L + 22, T, R - 1, B};
        if (bare)
            rtmp.left = ai_menustyle == style_style3 ? 0 : L;
        if (ai_menustyle == style_office2k)
            FillRect(hdc, rtmp, GetSysColorBrush(SystemColor::Highlight));
        else if (ai_menustyle == style_style3)
            FillRect(hdc, rtmp, GetSysColorBrush(SystemColor::Background));
        else
            of_fillwithgradient(hdc, rtmp, color_start, color_end);
        SetTextColor(hdc, GetSysColor(SystemColor::HighlightText));
    } else if (ai_menustyle >= style_officexp && ai_menustyle <= style_terminal_xp) {
        // The colours follow the renderer's own style.
        if (menustyle == style_officexp)
            of_xprect(hdc, ast_rect, RGB(80, 80, 165), RGB(185, 185, 215));
        else if (menustyle == style_officexp2)
            of_xprect(hdc, ast_rect, RGB(255, 131, 6), RGB(255, 196, 136));
        else if (menustyle == style_terminal_xp)
            of_xprect(hdc, ast_rect, RGB(0, 0, 0), RGB(192, 192, 192));
        checkOrIcon(L + 2, T + 2);
    } else if (ai_menustyle == style_color_infobk) {
        of_xprect(hdc, tagrect{L + 22, T + 1, R - 2, B - 1}, RGB(0, 0, 0),
                  GetSysColor(SystemColor::InfoBackground));
        checkOrIcon(L + 2, T + 2);
    }

    ast_rect.left += 24;
    ast_rect.top += 4;
    SetBkMode(hdc, BackgroundMode::Transparent);
    DrawText(hdc, ls_itemname, Len(ls_itemname), ast_rect, TextVCentre);
    ast_rect.right -= 12;
    DrawText(hdc, ls_shortcutkey, Len(ls_shortcutkey), ast_rect, TextRight);
}
