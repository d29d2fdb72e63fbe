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
        of_registermenu(*aw_win.MenuID(), 0, hmenu, GetSystemMenu(aw_win));
}

// Makes the items of the pop-ups under am_menu owner-drawn, each with an id
// in its item data and a row of the same id. The handle's positions are the
// visible entries of am_menu, in order, perhaps with the system menu among
// them; items of the system's own may follow the last entry. The items of
// the menu bar itself stay as they are.
void nvo_supermenu_class::of_registermenu(MenuItem &am_menu, int ai_level, MenuHandle al_hmenu,
                                          MenuHandle al_hsysmenu)
{
    if (al_hmenu == 0)
        return;
    int li_itempos = 0;
    for (MenuItem *item : am_menu.Item()) {
        if (!item->Visible())
            continue;
        li_itempos += 1;
        const MenuHandle hsub = subMenuPastSystemMenu(al_hmenu, li_itempos, al_hsysmenu);
        if (item->Text() == "-")
            item->SetEnabled(false);
        if (ai_level > 0) {
            GetMenuItemInfo(al_hmenu, li_itempos - 1, lpmenuiteminfo);
            if (!isRegistered(lpmenuiteminfo)) {
                lpmenuiteminfo.type |= kMenuOwnerDraw;
                const long data = static_cast<long>(lpmenuiteminfo.itemData);
                const int row = data > 0 ? of_find_byid(data) : 0;
                if (row == 0)
                    addRowFor(al_hmenu, li_itempos - 1, item->Text(), *item, ai_level);
                else
                    joinRow(al_hmenu, li_itempos - 1, row);
            }
        }
        if (hsub > 0)
            of_registermenu(*item, ai_level + 1, hsub, al_hsysmenu);
    }

    // The items after the last entry, which no entry stands for (a frame's
    // window list), from the bottom up. Each joins the row of its text or
    // gets a menu item of its own. A single such item is left alone.
    const int count = GetMenuItemCount(al_hmenu);
    if (li_itempos < count - 1 && ai_level > 0) {
        for (int j = count; j >= li_itempos + 1; --j) {
            const int p = j - 1;
            GetMenuItemInfo(al_hmenu, p, lpmenuiteminfo);
            if (isRegistered(lpmenuiteminfo))
                continue;
            const String text = GetMenuString(al_hmenu, p);
            lpmenuiteminfo.type |= kMenuOwnerDraw;
            const bool checked = lpmenuiteminfo.state == kMenuChecked; // checked and nothing else
            if (const int row = of_find_byname(text); row != 0) {
                if (MenuItem *r = menuOfRow(row))
                    r->SetChecked(checked);
                joinRow(al_hmenu, p, row);
            } else {
                MenuItem &m = newStandAloneItem(text);
                if (checked)
                    m.SetChecked(true);
                addRowFor(al_hmenu, p, text, m, ai_level);
            }
        }
    }
}

// The same from the menu handles alone: every item that matches no row by
// its data or its text gets a menu item of its own, and the rows' menu items
// take the checked and enabled state of the items they stand for.
void nvo_supermenu_class::of_registermenu(int ai_level, MenuHandle al_hmenu, MenuHandle al_hsysmenu)
{
    if (al_hmenu == 0)
        return;
    const int count = GetMenuItemCount(al_hmenu);
    for (int i = 1; i <= count; ++i) {
        const MenuHandle hsub = subMenuPastSystemMenu(al_hmenu, i, al_hsysmenu);
        if (ai_level > 0) {
            GetMenuItemInfo(al_hmenu, i - 1, lpmenuiteminfo);
            const bool checked = of_containselement(lpmenuiteminfo.state, kMenuChecked);
            const bool enabled = !of_containselement(lpmenuiteminfo.state, kMenuGrayed);
            const long data = static_cast<long>(lpmenuiteminfo.itemData);
            if (!isRegistered(lpmenuiteminfo)) {
                const String text = GetMenuString(al_hmenu, i - 1);
                lpmenuiteminfo.type |= kMenuOwnerDraw;
                const int row = data > 0 ? of_find_byid(data) : of_find_byname(text);
                if (row != 0) {
                    if (MenuItem *r = menuOfRow(row)) {
                        if (r->Text() != "-")
                            r->SetText(text);
                        r->SetChecked(checked);
                        r->SetEnabled(enabled);
                    }
                    joinRow(al_hmenu, i - 1, row);
                } else {
                    MenuItem &m = newStandAloneItem(text);
                    m.SetChecked(checked);
                    m.SetEnabled(enabled);
                    addRowFor(al_hmenu, i - 1, text, m, ai_level);
                }
            } else if (MenuItem *r = menuOfRow(of_find_byid(data))) {
                r->SetChecked(checked);
                r->SetEnabled(enabled);
            }
        }
        if (hsub > 0)
            of_registermenu(ai_level + 1, hsub, al_hsysmenu);
    }
}

// The pop-up of the item at position (from 1). The window's system menu,
// which a frame may show among the items, is passed over: position moves on
// to the item after it.
MenuHandle nvo_supermenu_class::subMenuPastSystemMenu(MenuHandle menu, int &position,
                                                      MenuHandle systemMenu) const
{
    MenuHandle hsub = GetSubMenu(menu, position - 1);
    // No system menu is no reason to pass over every item without a pop-up.
    if (systemMenu != 0 && hsub == systemMenu) {
        position += 1;
        hsub = GetSubMenu(menu, position - 1);
    }
    return hsub;
}

// An item registered before: owner-drawn, with an id.
bool nvo_supermenu_class::isRegistered(const MenuItemInfo &info)
{
    return info.itemData != 0 && of_containselement(static_cast<long>(info.type), kMenuOwnerDraw);
}

// Gives the item at position (from 0) the next id and a new row.
void nvo_supermenu_class::addRowFor(MenuHandle menu, int position, const String &text, MenuItem &item,
                                    int level)
{
    ii_num += 1;
    lpmenuiteminfo.itemData = static_cast<unsigned long>(ii_num);
    SetMenuItemInfo(menu, position, lpmenuiteminfo);
    of_add(ii_num, text, item, level);
}

// Gives the item at position (from 0) the id of an existing row.
void nvo_supermenu_class::joinRow(MenuHandle menu, int position, int row)
{
    lpmenuiteminfo.itemData = ist_menuinfo[row - 1].itemid;
    SetMenuItemInfo(menu, position, lpmenuiteminfo);
}

// A menu item of no menu, for an item of the system's own; a separator for
// an empty text. It lives as long as the renderer.
MenuItem &nvo_supermenu_class::newStandAloneItem(const String &text)
{
    auto item = std::make_unique<Menu>("menu");
    if (text.empty()) {
        item->SetEnabled(false);
        item->SetText("-");
    } else {
        item->SetText(text);
    }
    standAloneItems.push_back(std::move(item));
    return *standAloneItems.back();
}

// The menu item of a row; null for no row or an item that is gone.
MenuItem *nvo_supermenu_class::menuOfRow(int row) const
{
    if (row < 1 || !ist_menuinfo[row - 1].alive)
        return nullptr;
    return ist_menuinfo[row - 1].menupt;
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
