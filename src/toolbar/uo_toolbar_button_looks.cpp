// The button's looks: at rest ("Flat", frame in the back colour), raised
// ("Up", the pointer over it) and pressed ("Down", contents shifted right and
// down); its back colour; and the greyed look of a disabled button.
#include "toolbar/uo_toolbar_button.h"

#include "runtime/draw/colors.h"
#include "runtime/draw/units.h"
#include "runtime/win32/gdi.h"

using namespace runtime;

void uo_toolbar_button::of_drawbutton(const String &as_type)
{
    long topLeft, bottomRight;
    bool pressed = false;
    if (as_type == "Down") {
        topLeft = RGB(128, 128, 128);
        bottomRight = RGB(255, 255, 255);
        pressed = true;
    } else if (as_type == "Flat" || as_type == "Up") {
        // A checked button keeps its pressed look.
        if (checked && !childmenu)
            return;
        topLeft = as_type == "Up" ? RGB(255, 255, 255) : BackColor();
        bottomRight = as_type == "Up" ? RGB(128, 128, 128) : BackColor();
    } else {
        return;
    }
    ln_top.SetLineColor(topLeft);
    ln_left.SetLineColor(topLeft);
    ln_bottom.SetLineColor(bottomRight);
    ln_right.SetLineColor(bottomRight);
    plb_1.Move(pressed ? ii_poffsetx : ii_px, pressed ? ii_poffsety : ii_py);
    st_caption.Move(pressed ? ii_coffsetx : ii_cx, pressed ? ii_coffsety : ii_cy);
    uo_triangle.Move(pressed ? ii_toffsetx : ii_tx, pressed ? ii_toffsety : ii_ty);
}

void uo_toolbar_button::of_setbkcolor(long al_color)
{
    SetBackColor(al_color);
    plb_1.SetBackColor(al_color);
    st_caption.SetBackColor(al_color);
    uo_triangle.SetBackColor(al_color);
}

// Drawn straight onto the screen: the caption embossed (a highlight copy one
// pixel right of and below the shadow copy) and the picture greyed. Every
// device context and bitmap taken here is given back here.
void uo_toolbar_button::of_drawdisabled()
{
    // The caption, embossed
    const DeviceContext ll_hdc = GetDC(Handle(st_caption));
    const Rect lstr_text{0, 0, UnitsToPixelsX(st_caption.Width()), UnitsToPixelsY(st_caption.Height())};
    const GdiObject ll_newfont = GetWindowFont(Handle(st_caption));
    const GdiObject ll_oldfont = SelectObject(ll_hdc, ll_newfont);
    const Rect lstr_text1{lstr_text.left + 1, lstr_text.top + 1, lstr_text.right + 1, lstr_text.bottom + 1};
    SetBkMode(ll_hdc, BackgroundMode::Transparent);
    SetBkColor(ll_hdc, st_caption.BackColor());
    runtime::SetTextColor(ll_hdc, GetSysColor(SystemColor::ButtonHighlight));
    DrawText(ll_hdc, buttontext, Len(buttontext), lstr_text1, true);
    runtime::SetTextColor(ll_hdc, GetSysColor(SystemColor::ButtonShadow));
    DrawText(ll_hdc, buttontext, Len(buttontext), lstr_text, true);
    SelectObject(ll_hdc, ll_oldfont);
    ReleaseDC(Handle(st_caption), ll_hdc);

    // The picture, greyed: painted on white into a bitmap, then drawn
    // disabled over the picture box.
    const DeviceContext pdc = GetWindowDC(Handle(plb_1));
    plb_1.SetBackColor(RGB(255, 255, 255));
    const WindowHandle hwnd = Handle(plb_1);
    const int lw = picture_size, lh = picture_size;
    const DeviceContext hdc = GetDC(hwnd);
    const GdiObject ll_rs = CreateCompatibleBitmap(hdc, lw, lh);
    const DeviceContext ll_memdc = CreateCompatibleDC(hdc);
    ReleaseDC(hwnd, hdc);
    const GdiObject ll_old = SelectObject(ll_memdc, ll_rs);
    PaintInto(hwnd, ll_memdc);
    const GdiObject ll_bmp = SelectObject(ll_memdc, ll_old);
    DeleteDC(ll_memdc);
    plb_1.SetBackColor(BackColor());
    if (ll_bmp)
        DrawDisabledBitmap(pdc, ll_bmp, 0, 0);
    ReleaseDC(Handle(plb_1), pdc);
    DeleteObject(ll_rs);
}
