// The button's size and the places of its picture, caption and triangle for
// each caption placement. The caption is not measured: so many units a byte.
#include "toolbar/uo_toolbar_button.h"

#include "runtime/draw/units.h"

using namespace runtime;

void uo_toolbar_button::of_setsize()
{
    st_caption.SetHeight(52);
    st_caption.SetWidth(static_cast<int>(Len(buttontext)) * ii_charwidth);
    plb_1.SetWidth(PixelsToUnitsX(picture_size));
    plb_1.SetHeight(PixelsToUnitsY(picture_size));

    const int Cw = st_caption.Width(), Ch = st_caption.Height();
    const int Pw = plb_1.Width(), Ph = plb_1.Height();
    const bool triangle = uo_triangle.Visible();
    const int Tw = uo_triangle.Width();

    if (textalign == "Bottom") {
        SetWidth(Pw > Cw ? Pw + 30 : Cw + 30);
        SetHeight(Ch + Ph + 50);
    } else if (textalign == "Right") {
        SetWidth(triangle ? Cw + Pw + Tw + 90 : Cw + Pw + 90);
        SetHeight(Ph > Ch ? Ph + 30 : Ch + 30);
    } else if (textalign == "None") {
        SetWidth(triangle ? Pw + Tw + 70 : Pw + 40);
        SetHeight(Ph + 40);
        return; // a picture-only button is not raised to the least size
    }
    if (Width() < ii_minwidth)
        SetWidth(ii_minwidth);
    if (Height() < ii_minheight)
        SetHeight(ii_minheight);
}

void uo_toolbar_button::of_setposition()
{
    const int W = Width(), H = Height();
    const int Pw = plb_1.Width(), Ph = plb_1.Height();
    const int Cw = st_caption.Width(), Ch = st_caption.Height();
    const int Tw = uo_triangle.Width();
    const bool triangle = uo_triangle.Visible();
    auto trunc = [](double v) { return static_cast<int>(v); };

    if (textalign == "Bottom") {
        st_caption.SetVisible(true);
        plb_1.SetX(trunc((W - Pw) * 0.5));
        plb_1.SetY(trunc((H - Ph - Ch) * 0.5));
        if (triangle) {
            uo_triangle.SetX(plb_1.X() + Pw + 15);
            uo_triangle.SetY(plb_1.Y() + Ph - 20);
        }
        st_caption.SetX(trunc((W - Cw) * 0.5));
        st_caption.SetY(plb_1.Y() + Ph + 10);
    } else if (textalign == "Right") {
        st_caption.SetVisible(true);
        plb_1.SetX(trunc((W - Pw) * 0.5 - Cw * 0.5 - (triangle ? 30 : 20)));
        plb_1.SetY(trunc((H - Ph) * 0.5 + 5));
        st_caption.SetX(plb_1.X() + Pw + 30);
        st_caption.SetY(trunc((H - Ch) * 0.5));
        if (triangle) {
            uo_triangle.SetX(st_caption.X() + Cw + 5);
            uo_triangle.SetY(trunc(plb_1.Y() + Ph / 3.0));
        }
    } else if (textalign == "None") {
        st_caption.SetVisible(false);
        plb_1.SetY(trunc((H - Ph) * 0.5 + 5));
        if (!triangle) {
            plb_1.SetX(trunc((W - Pw) * 0.5 + 5));
        } else {
            plb_1.SetX(trunc((W - Pw - Tw) * 0.5));
            uo_triangle.SetX(plb_1.X() + Pw + 15);
            uo_triangle.SetY(trunc(plb_1.Y() + Ph * 0.5 - 10));
        }
    }

    ii_px = plb_1.X();
    ii_py = plb_1.Y();
    ii_cx = st_caption.X();
    ii_cy = st_caption.Y();
    ii_tx = uo_triangle.X();
    ii_ty = uo_triangle.Y();
    ii_poffsetx = ii_px + 5;
    ii_poffsety = ii_py + 5;
    ii_coffsetx = ii_cx + 5;
    ii_coffsety = ii_cy + 5;
    ii_toffsetx = ii_tx + 5;
    ii_toffsety = ii_ty + 5;

    ln_top.SetPoints(3, 2, W - 3, 2);
    ln_bottom.SetPoints(ln_top.BeginX(), H - 4, W - 3, H - 4);
    ln_left.SetPoints(ln_top.BeginX(), ln_top.BeginY(), ln_top.BeginX(), H - 4);
    ln_right.SetPoints(W - 4, ln_left.BeginY(), W - 4, H);
}
