#include "runtime/win32/menus.h"

#include "runtime/ui/menu.h"
#include "runtime/ui/window.h"

#include <QAction>
#include <QPointer>

#include <map>

namespace runtime {

namespace {

// A menu item known by handle; the guard goes null when the item is gone.
struct Known {
    MenuItem *item = nullptr;
    QPointer<QAction> guard;
    unsigned long type = 0, itemData = 0;
};

struct Tables {
    unsigned long next = 0;
    std::map<MenuHandle, Known> menus;
    std::map<const MenuItem *, MenuHandle> handleOf;
    std::map<const MenuItem *, Known> items; // type and item data
};

Tables &tables()
{
    static Tables t;
    return t;
}

MenuHandle handleOf(MenuItem &item)
{
    Tables &t = tables();
    auto found = t.handleOf.find(&item);
    if (found != t.handleOf.end() && t.menus[found->second].guard)
        return found->second;
    const MenuHandle handle = ++t.next;
    t.menus[handle] = Known{&item, item.action()};
    t.handleOf[&item] = handle;
    return handle;
}

MenuItem *menuOf(MenuHandle menu)
{
    auto found = tables().menus.find(menu);
    return found == tables().menus.end() || !found->second.guard ? nullptr : found->second.item;
}

MenuItem *itemAt(MenuHandle menu, int position)
{
    MenuItem *parent = menuOf(menu);
    if (!parent || position < 0)
        return nullptr;
    int shown = 0;
    for (MenuItem *item : parent->Item())
        if (item->Visible() && shown++ == position)
            return item;
    return nullptr;
}

// The owner's type and data of an item; fresh for an item not seen before
// or one that has gone and whose address came back.
Known &knownOf(MenuItem &item)
{
    Known &known = tables().items[&item];
    if (!known.guard || known.item != &item)
        known = Known{&item, item.action()};
    return known;
}

} // namespace

MenuHandle GetMenu(const Window &window)
{
    Menu *menu = window.MenuID();
    return menu ? handleOf(*menu) : 0;
}

MenuHandle GetSubMenu(MenuHandle menu, int position)
{
    MenuItem *item = itemAt(menu, position);
    return item && !item->Item().empty() ? handleOf(*item) : 0;
}

int GetMenuItemCount(MenuHandle menu)
{
    MenuItem *parent = menuOf(menu);
    if (!parent)
        return -1;
    int shown = 0;
    for (MenuItem *item : parent->Item())
        shown += item->Visible() ? 1 : 0;
    return shown;
}

bool GetMenuItemInfo(MenuHandle menu, int position, MenuItemInfo &info)
{
    MenuItem *item = itemAt(menu, position);
    if (!item)
        return false;
    const Known &known = knownOf(*item);
    info.type = known.type;
    info.itemData = known.itemData;
    info.state = (item->Enabled() ? 0 : kMenuGrayed) | (item->Checked() ? kMenuChecked : 0);
    return true;
}

bool SetMenuItemInfo(MenuHandle menu, int position, const MenuItemInfo &info)
{
    MenuItem *item = itemAt(menu, position);
    if (!item)
        return false;
    Known &known = knownOf(*item);
    known.type = info.type;
    known.itemData = info.itemData;
    return true;
}

String GetMenuString(MenuHandle menu, int position)
{
    MenuItem *item = itemAt(menu, position);
    return item && item->Text() != "-" ? item->Text() : String();
}

} // namespace runtime
