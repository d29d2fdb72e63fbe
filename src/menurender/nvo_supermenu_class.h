// The owner-drawn menu renderer: once a window is registered with it, the
// items of the window's pop-up menus are measured and painted by it, with one
// of eleven looks for the highlighted item and one of five backgrounds for the
// others. The frame holds one and forwards its measure-item and draw-item
// requests to it.
#pragma once

#include "runtime/text/text.h"
#include "runtime/win32/gdi.h"
#include "runtime/win32/icons.h"
#include "runtime/win32/menus.h"

#include <QAction>
#include <QPointer>

#include <memory>
#include <vector>

namespace runtime {
class MenuItem;
class Window;
} // namespace runtime

// One owner-drawn item.
struct ust_menuinfo {
    unsigned long itemid = 0;         // the number the menu item carries as its item data
    runtime::String itemname;         // the item's text before its first tab
    runtime::String shortcutkey;      // the text after the first tab
    runtime::MenuItem *menupt = nullptr; // the window's menu item, or one registration made
    QPointer<QAction> alive;          // null once the menu item is gone
    runtime::IconHandle hicon = 0;    // owned by the renderer; 0: no icon
    int level = 0;                    // 0 for the menu bar, one more per pop-up
};

using tagrect = runtime::Rect;

class nvo_supermenu_class {
public:
    // Looks of the highlighted item.
    static constexpr int style_normal = 1, style_office2k = 2, style_style3 = 3, style_gradient = 4,
                         style_vgradient = 5, style_vheadergradient = 6, style_vedgegradient = 7,
                         style_officexp = 8, style_officexp2 = 9, style_terminal_xp = 10,
                         style_color_infobk = 11;
    // Backgrounds of the other items.
    static constexpr int style_bknormal = 0, style_bkwhite = 1, style_bkgray = 2, style_bkgray_xp = 3,
                         style_bkamb = 4;

    // Kinds of stock picture.
    static constexpr int image_bitmap = 0, image_icon = 1;

    int menustyle = style_normal;
    int menubkstyle = style_bknormal;
    long color_start = 0;
    long color_end = 0;

    nvo_supermenu_class();
    ~nvo_supermenu_class();
    nvo_supermenu_class(const nvo_supermenu_class &) = delete;
    nvo_supermenu_class &operator=(const nvo_supermenu_class &) = delete;

    // The frame's requests: the long is the number under which the request's
    // record is lent (runtime/win32/ownerdraw.h).
    int of_drawitem(unsigned long &childid, long &drawitemstruct);
    int of_measureitem(unsigned long &childid, long &measureitemstruct);

    // Registration: the window's menu alongside its menu handles, or the
    // menu handles alone.
    void of_registerwindow(const runtime::Window &aw_win);
    void of_registermenu(runtime::MenuItem &am_menu, int ai_level, runtime::MenuHandle al_hmenu,
                         runtime::MenuHandle al_hsysmenu);
    void of_registermenu(int ai_level, runtime::MenuHandle al_hmenu, runtime::MenuHandle al_hsysmenu);
    void of_setvisible(runtime::MenuItem &am_menu, bool ab_visible);
    int of_add(unsigned long al_itemid, const runtime::String &as_text, runtime::MenuItem &am_menu,
               int ai_level);

    // Fonts and the share of the text column in a menu's width.
    runtime::GdiObject of_getmenufont(runtime::DeviceContext hdc);
    runtime::GdiObject of_createverticalfont(runtime::DeviceContext hdc);
    double of_getshortcutkeyrate(runtime::MenuItem &am_menu);

    // Item icons.
    long of_geticonhandle(const runtime::String &as_iconname);
    long of_getstockicon(const runtime::String &as_stockbitmap, int &ai_imagetype);
    long of_getmaskcolor(runtime::GdiObject al_bitmaphandle);
    void of_setmenuicon(const runtime::String &as_type, const runtime::String &as_itemname,
                        const runtime::String &as_icon);

    // The item table.
    int of_find_byid(long al_itemid) const;
    int of_find_byname(const runtime::String &as_itemname) const;
    int of_find_bymenuid(const runtime::String &as_itemname) const;
    const std::vector<ust_menuinfo> &items() const { return ist_menuinfo; }

    static void of_color2rgb(long lg_color, int &r, int &g, int &b);
    static bool of_containselement(long al_src, long al_exponent);
    static bool of_iswhitespace(const runtime::String &as_source);

    // Drawing, on a device context.
    void of_drawtext(runtime::DeviceContext hdc, const runtime::String &as_text,
                     const runtime::String &as_shortcutkey, tagrect ast_rect, bool ab_enabled);
    void of_drawchecked(runtime::DeviceContext hdc, const tagrect &rect);
    void of_xprect(runtime::DeviceContext hdc, tagrect rect, long al_pencolor, long al_brushcolor);
    void of_fillwithgradient(runtime::DeviceContext hdc, tagrect rect, long colorfrom, long colorto);
    void of_drawnormalitem(int ai_menubkstyle, runtime::DeviceContext hdc, tagrect &ast_rect,
                           const ust_menuinfo &ast_menuinfo);
    void of_drawselectitem(int ai_menustyle, runtime::DeviceContext hdc, tagrect &ast_rect,
                           const ust_menuinfo &ast_menuinfo);

private:
    runtime::MenuHandle subMenuPastSystemMenu(runtime::MenuHandle menu, int &position,
                                              runtime::MenuHandle systemMenu) const;
    static bool isRegistered(const runtime::MenuItemInfo &info);
    void addRowFor(runtime::MenuHandle menu, int position, const runtime::String &text,
                   runtime::MenuItem &item, int level);
    void joinRow(runtime::MenuHandle menu, int position, int row);
    runtime::MenuItem &newStandAloneItem(const runtime::String &text);
    runtime::MenuItem *menuOfRow(int row) const;

    runtime::MenuItemInfo lpmenuiteminfo; // every read and write of a menu item goes through it
    runtime::WindowHandle il_winhandle = 0;
    const runtime::Window *iw_win = nullptr;
    std::vector<ust_menuinfo> ist_menuinfo; // row k at index k - 1
    int ii_num = 0;
    // The menu items registration made for items no menu item stands for.
    std::vector<std::unique_ptr<runtime::MenuItem>> standAloneItems;
};
