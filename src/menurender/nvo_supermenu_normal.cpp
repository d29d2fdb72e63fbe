#include "menurender/nvo_supermenu_class.h"
#include "menurender/nvo_supermenu_itemtext.h"

#include "runtime/draw/colors.h"
#include "runtime/ui/menu.h"
#include "runtime/win32/shapes.h"

using namespace runtime;

namespace {

void line(DeviceContext hdc, int x1, int y1, int x2, int y2)
{
    MoveToEx(hdc, x1, y1);
    LineTo(hdc, x2, y2);
}

void fillSolid(DeviceContext hdc, const tagrect &rect, long colour)
{
    const GdiObject hbrush = CreateSolidBrush(colour);
    FillRect(hdc, rect, hbrush);
    DeleteObject(hbrush);
}

} // namespace

// A plain item: its background and icon column, the check mark or icon, a
// disabled "-" item's separator line, and its text.
void nvo_supermenu_class::of_drawnormalitem(int ai_menubkstyle, DeviceContext hdc, tagrect &ast_rect,
                                            const ust_menuinfo &ast_menuinfo)
{
    const String ls_itemname = of_itemtext(ast_menuinfo, menubkstyle);
    const MenuItem &lm_menupt = *ast_menuinfo.menupt;
    const String &ls_shortcutkey = ast_menuinfo.shortcutkey;
    const long L = ast_rect.left, T = ast_rect.top, R = ast_rect.right, B = ast_rect.bottom;

    switch (ai_menubkstyle) {
    case style_bkwhite:
    case style_bkgray:
    case style_bkgray_xp: {
        if (ai_menubkstyle == style_bkgray)
            fillSolid(hdc, ast_rect, RGB(221, 227, 235));
        else
            FillRect(hdc, ast_rect, GetStockObject(StockObject::WhiteBrush));
        const tagrect rtmp{L, T, L + 20, B};
        if (ai_menubkstyle == style_bkwhite)
            fillSolid(hdc, rtmp, RGB(240, 240, 240));
        else if (ai_menubkstyle == style_bkgray)
            fillSolid(hdc, rtmp, RGB(156, 171, 186));
        else
            FillRect(hdc, rtmp, GetStockObject(StockObject::LightGrayBrush));
        const GdiObject hpen = CreatePen(0, ai_menubkstyle == style_bkwhite ? RGB(200, 200, 200) : RGB(127, 136, 147));
        const GdiObject holdpen = SelectObject(hdc, hpen);
        line(hdc, L, T, L, B);
        // The column's top edge at the top of the menu, whichever item this is.
        if (ai_menubkstyle != style_bkwhite)
            line(hdc, L, 0, L + 19, 0);
        line(hdc, L + 20, T, L + 20, B);
        SelectObject(hdc, holdpen);
        DeleteObject(hpen);
        break;
    }
    case style_bkamb:
        FillRect(hdc, ast_rect, GetStockObject(StockObject::WhiteBrush));
        FillRect(hdc, tagrect{L, T, L + 22, B}, GetSysColorBrush(SystemColor::ButtonFace));
        break;
    default:
        FillRect(hdc, ast_rect, GetSysColorBrush(SystemColor::Menu));
        break;
    }

    if (lm_menupt.Enabled()) {
        if (lm_menupt.Checked())
            of_drawchecked(hdc, ast_rect);
        else if (of_hasicon(ast_menuinfo))
            DrawIconEx(hdc, L + 3, T + 3, ast_menuinfo.hicon, 16, 16);
        ast_rect.left = L + 24;
        ast_rect.top = T + 4;
        of_drawtext(hdc, ls_itemname, ls_shortcutkey, ast_rect, true);
        return;
    }

    if (ls_itemname == "-") {
        int li_middpos = static_cast<short>((T + B) / 2);
        if (menubkstyle == style_bkwhite || menubkstyle == style_bkgray || menubkstyle == style_bkgray_xp) {
            const GdiObject hpen = CreatePen(0, RGB(172, 168, 153));
            const GdiObject holdpen = SelectObject(hdc, hpen);
            line(hdc, L + 22, li_middpos, R, li_middpos);
            SelectObject(hdc, holdpen);
            DeleteObject(hpen);
        } else {
            const GdiObject hpen = CreatePen(0, RGB(128, 128, 128));
            const GdiObject holdpen = SelectObject(hdc, hpen);
            line(hdc, L - 4, li_middpos, R - 1, li_middpos);
            SelectObject(hdc, holdpen);
            DeleteObject(hpen);
            SelectObject(hdc, GetStockObject(StockObject::WhitePen));
            li_middpos += 1;
            line(hdc, L - 4, li_middpos, R - 1, li_middpos);
            SelectObject(hdc, holdpen);
        }
    }
    if (of_hasicon(ast_menuinfo))
        DrawDisabledIcon(hdc, L + 3, T + 3, ast_menuinfo.hicon, 16, 16);
    ast_rect.left = L + 24;
    ast_rect.top = T + 4;
    of_drawtext(hdc, ls_itemname, ls_shortcutkey, ast_rect, false);
}
