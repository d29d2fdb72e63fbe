#include "menurender/nvo_supermenu_class.h"

#include "runtime/draw/picture.h"
#include "runtime/draw/stockpictures.h"
#include "runtime/ui/environment.h"
#include "runtime/ui/messagebox.h"
#include "runtime/win32/shapes.h"

using namespace runtime;

namespace {

// The first 16-pixel square of a bitmap, its top-left colour transparent;
// the bitmap is deleted.
long iconOfBitmap(nvo_supermenu_class &menu, GdiObject bitmap)
{
    const IconHandle icon = IconFromBitmap(bitmap, 16, menu.of_getmaskcolor(bitmap));
    DeleteObject(bitmap);
    return static_cast<long>(icon);
}

} // namespace

// The icon of a picture name: an icon picture at its own size, a bitmap
// picture made 16 pixels square, or a stock picture of the runtime. Icon and
// bitmap names are looked up as every picture of the program is
// ("pic\car.ico" among the program's resources first, then as a file).
long nvo_supermenu_class::of_geticonhandle(const String &as_iconname)
{
    if (Pos(Lower(as_iconname), ".ico") > 0)
        return static_cast<long>(IconFromImage(LoadPicture(as_iconname).toImage()));
    if (Pos(Lower(as_iconname), ".bmp") > 0)
        return iconOfBitmap(*this, BitmapFromImage(LoadPicture(as_iconname).toImage(), 16, 16));
    if (Pos(as_iconname, "!") > 0) {
        Environment lenv;
        if (GetEnvironment(lenv) != 1) {
            MessageBox("TIP", "Get the value is wrrong in the PowerBuilder Environment.", Icon::Information,
                       Buttons::OK);
            return -1;
        }
        // The stock pictures are the runtime's own: no library to load.
        int li_type = image_bitmap;
        const long ll_id = of_getstockicon(as_iconname, li_type);
        if (ll_id > 0 && li_type == image_bitmap)
            return iconOfBitmap(*this, LoadStockBitmap(ll_id)); // unscaled: its first 16-pixel image
        if (ll_id > 0 && li_type == image_icon)
            return static_cast<long>(LoadStockIcon(ll_id));
        return 0;
    }
    return 0;
}

long nvo_supermenu_class::of_getstockicon(const String &as_stockbitmap, int &ai_imagetype)
{
    if (as_stockbitmap.empty())
        return -1;
    long ll_id = StockBitmapId(as_stockbitmap);
    if (ll_id <= 0) {
        ll_id = StockIconId(as_stockbitmap);
        ai_imagetype = image_icon;
    } else {
        ai_imagetype = image_bitmap;
    }
    return ll_id;
}

long nvo_supermenu_class::of_getmaskcolor(GdiObject al_bitmaphandle)
{
    long mask = -1;
    if (const DeviceContext display = CreateDisplayDC()) {
        if (const DeviceContext memory = CreateCompatibleDC(display)) {
            const GdiObject previous = SelectObject(memory, al_bitmaphandle);
            mask = GetPixel(memory, 0, 0);
            SelectObject(memory, previous);
            DeleteDC(memory);
        }
        DeleteDC(display);
    }
    return mask;
}

void nvo_supermenu_class::of_setmenuicon(const String &as_type, const String &as_itemname,
                                         const String &as_icon)
{
    const String type = Upper(as_type);
    const int row = type == "BYID" || type == "ID" ? of_find_bymenuid(as_itemname) : of_find_byname(as_itemname);
    if (row != 0 && ist_menuinfo[row - 1].hicon == 0)
        ist_menuinfo[row - 1].hicon = of_geticonhandle(as_icon);
}
