#include "menurender/nvo_supermenu_class.h"

#include "runtime/ui/menu.h"
#include "runtime/ui/window.h"
#include "runtime/win32/handles.h"

using namespace runtime;

void nvo_supermenu_class::of_registerwindow(const Window &aw_win)
{
    il_winhandle = Handle(aw_win);
    iw_win = &aw_win;
    const MenuHandle hmenu = GetMenu(aw_win);
    if (hmenu > 0)
        of_registermenu(*aw_win.MenuID(), 0, hmenu);
}

// Makes the items of the pop-ups under am_menu owner-drawn, each with an id
// in its item data and a row of the same id. The handle's positions are the
// visible entries of am_menu, in order; the items of the menu bar itself
// stay as they are.
void nvo_supermenu_class::of_registermenu(MenuItem &am_menu, int ai_level, MenuHandle al_hmenu)
{
    if (al_hmenu == 0)
        return;
    int li_itempos = 0;
    for (MenuItem *item : am_menu.Item()) {
        if (!item->Visible())
            continue;
        li_itempos += 1;
        const MenuHandle hsub = GetSubMenu(al_hmenu, li_itempos - 1);
        if (item->Text() == "-")
            item->SetEnabled(false);
        if (ai_level > 0) {
            MenuItemInfo info;
            GetMenuItemInfo(al_hmenu, li_itempos - 1, info);
            if (info.itemData == 0 || !of_containselement(info.type, kMenuOwnerDraw)) {
                info.type |= kMenuOwnerDraw;
                const int row = info.itemData > 0 ? of_find_byid(info.itemData) : 0;
                if (row == 0) {
                    ii_num += 1;
                    info.itemData = ii_num;
                    SetMenuItemInfo(al_hmenu, li_itempos - 1, info);
                    of_add(ii_num, item->Text(), *item, ai_level);
                } else {
                    info.itemData = ist_menuinfo[row - 1].itemid;
                    SetMenuItemInfo(al_hmenu, li_itempos - 1, info);
                }
            }
        }
        if (hsub > 0)
            of_registermenu(*item, ai_level + 1, hsub);
    }
}

void nvo_supermenu_class::of_setvisible(MenuItem &am_menu, bool ab_visible)
{
    am_menu.SetVisible(ab_visible);
    // Before any window was registered there is nothing to register again.
    if (iw_win)
        of_registerwindow(*iw_win);
}

int nvo_supermenu_class::of_add(unsigned long al_itemid, const String &as_text, MenuItem &am_menu,
                                int ai_level)
{
    String itemname = as_text, shortcutkey;
    if (const long p = Pos(as_text, "\t"); p > 0) {
        shortcutkey = Mid(as_text, p + 1);
        itemname = Left(as_text, p - 1);
    }
    ust_menuinfo row;
    row.itemid = al_itemid;
    row.itemname = itemname;
    row.shortcutkey = shortcutkey;
    row.menupt = &am_menu;
    row.alive = am_menu.action();
    row.level = ai_level;
    if (!am_menu.ToolbarItemName.empty())
        row.hicon = of_geticonhandle(am_menu.ToolbarItemName);
    ist_menuinfo.push_back(row);
    return static_cast<int>(ist_menuinfo.size());
}
