#include "menurender/nvo_supermenu_class.h"

#include "runtime/draw/colors.h"
#include "runtime/win32/shapes.h"

#include <cmath>
#include <cstdlib>

using namespace runtime;

namespace {

short trunc16(double value) { return static_cast<short>(std::trunc(value)); }

// The colours of a gradient of steps bands from one colour towards another:
// band li is the start plus li steps, each step the difference divided by
// the number of bands, cut toward zero.
struct Bands {
    int r1, g1, b1, vr, vg, vb;

    Bands(long from, long to, int steps)
    {
        int r2, g2, b2;
        nvo_supermenu_class::of_color2rgb(from, r1, g1, b1);
        nvo_supermenu_class::of_color2rgb(to, r2, g2, b2);
        auto step = [steps](int start, int end) {
            const short s = trunc16(std::abs(start - end) / static_cast<double>(steps));
            return end < start ? -s : s;
        };
        vr = step(r1, r2);
        vg = step(g1, g2);
        vb = step(b1, b2);
    }
    long colour(int li) const
    {
        return RGB(static_cast<short>(r1 + li * vr), static_cast<short>(g1 + li * vg),
                   static_cast<short>(b1 + li * vb));
    }
};

void fill(DeviceContext hdc, const tagrect &rect, long colour)
{
    const GdiObject hbrush = CreateSolidBrush(colour);
    FillRect(hdc, rect, hbrush);
    DeleteObject(hbrush);
}

} // namespace

// Fills rect with solid bands, from colorfrom towards colorto: across the
// item (29 bands), down it (19), over its upper half (10) or from its top
// and bottom edges towards the middle (10), as menustyle says.
void nvo_supermenu_class::of_fillwithgradient(DeviceContext hdc, tagrect rect, long colorfrom, long colorto)
{
    if (menustyle == style_vgradient) {
        const int li_steps = 19;
        const short li_width = trunc16((rect.bottom - rect.top) / static_cast<double>(li_steps));
        const Bands bands(colorfrom, colorto, li_steps);
        SetBkMode(hdc, BackgroundMode::Transparent);
        const short li_ori_left = static_cast<short>(rect.top), li_ori_right = static_cast<short>(rect.bottom);
        for (int li = 1; li <= li_steps; ++li) {
            rect.top = li_ori_left + (li - 1) * li_width;
            rect.bottom = rect.top + li_width;
            fill(hdc, rect, bands.colour(li));
        }
        rect.top = li_ori_left + li_steps * li_width;
        rect.bottom = li_ori_right;
        fill(hdc, rect, bands.colour(li_steps));
        return;
    }
    if (menustyle == style_vheadergradient || menustyle == style_vedgegradient) {
        const int li_steps = 10;
        const short li_halfwidth = trunc16((rect.bottom - rect.top) * 0.5);
        const short li_ori_left = static_cast<short>(rect.top), li_ori_right = static_cast<short>(rect.bottom);
        const short li_width = trunc16(li_halfwidth / static_cast<double>(li_steps));
        const Bands bands(colorto, colorfrom, li_steps);
        SetBkMode(hdc, BackgroundMode::Transparent);
        tagrect rect2 = rect;
        for (int li = 1; li <= li_steps; ++li) {
            rect.top = li_ori_left + (li - 1) * li_width;
            rect.bottom = rect.top + li_width;
            if (menustyle == style_vheadergradient) {
                fill(hdc, rect, bands.colour(li));
                continue;
            }
            // The lower rectangle runs from the mirror of the band's top up
            // to it; the fill takes such a rectangle the right way up.
            rect2.top = li_ori_right - (li - 1) * li_width;
            rect2.bottom = rect.bottom - li_width;
            const GdiObject hbrush = CreateSolidBrush(bands.colour(li));
            FillRect(hdc, rect, hbrush);
            FillRect(hdc, rect2, hbrush);
            DeleteObject(hbrush);
        }
        if (menustyle == style_vheadergradient) {
            rect.top = li_ori_left + li_steps * li_width;
            rect.bottom = li_ori_right;
            fill(hdc, rect, bands.colour(li_steps));
        }
        return;
    }
    const int li_steps = 29;
    const short li_width = trunc16((rect.right - rect.left) / static_cast<double>(li_steps));
    const Bands bands(colorfrom, colorto, li_steps);
    SetBkMode(hdc, BackgroundMode::Transparent);
    const short li_ori_left = static_cast<short>(rect.left), li_ori_right = static_cast<short>(rect.right);
    for (int li = 1; li <= li_steps; ++li) {
        rect.left = li_ori_left + (li - 1) * li_width;
        rect.right = rect.left + li_width;
        fill(hdc, rect, bands.colour(li));
    }
    rect.left = li_ori_left + li_steps * li_width;
    rect.right = li_ori_right;
    fill(hdc, rect, bands.colour(li_steps));
}
