#include "runtime/win32/menus.h"

#include "runtime/ui/menu.h"
#include "runtime/ui/window.h"

#include <QAction>
#include <QPointer>

#include <map>
#include <vector>

namespace runtime {

namespace {

// An item of the system's own: no menu item stands for it.
struct SystemItem {
    String text; // empty: a separator, or the picture of a system menu
    MenuHandle popup = 0;
    MenuItemInfo info;
};

SystemItem systemItem(const String &text, MenuHandle popup = 0, unsigned long state = 0)
{
    SystemItem item;
    item.text = text;
    item.popup = popup;
    item.info.state = state;
    return item;
}

// What a menu handle stands for: the visible sub-items of a menu item, or,
// without one, a menu of the system's own; then the system's items put into
// it, in the order they were put (position -1: appended).
struct KnownMenu {
    MenuItem *item = nullptr;
    QPointer<QObject> owner; // the menu item's action or the window; null once gone
    std::vector<std::pair<int, SystemItem>> added;
};

// The owner's type and data of a menu item; the guard goes null when the
// item is gone.
struct KnownItem {
    MenuItem *item = nullptr;
    QPointer<QAction> guard;
    unsigned long type = 0, itemData = 0;
};

struct Tables {
    unsigned long next = 0;
    std::map<MenuHandle, KnownMenu> menus;
    std::map<const MenuItem *, MenuHandle> handleOf;
    std::map<const Window *, MenuHandle> systemMenuOf;
    std::map<const MenuItem *, KnownItem> items;
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
    if (found != t.handleOf.end() && t.menus[found->second].owner)
        return found->second;
    const MenuHandle handle = ++t.next;
    t.menus[handle] = KnownMenu{&item, item.action(), {}};
    t.handleOf[&item] = handle;
    return handle;
}

KnownMenu *menuOf(MenuHandle menu)
{
    auto found = tables().menus.find(menu);
    return found == tables().menus.end() || !found->second.owner ? nullptr : &found->second;
}

// One position of a menu: a menu item or an item of the system's own.
struct Slot {
    MenuItem *item = nullptr;
    SystemItem *system = nullptr;
};

std::vector<Slot> slotsOf(KnownMenu &menu)
{
    std::vector<Slot> shown;
    if (menu.item)
        for (MenuItem *item : menu.item->Item())
            if (item->Visible())
                shown.push_back(Slot{item, nullptr});
    for (auto &[position, item] : menu.added) {
        const Slot slot{nullptr, &item};
        if (position < 0 || position >= static_cast<int>(shown.size()))
            shown.push_back(slot);
        else
            shown.insert(shown.begin() + position, slot);
    }
    return shown;
}

Slot slotAt(MenuHandle menu, int position)
{
    KnownMenu *known = menuOf(menu);
    if (!known || position < 0)
        return {};
    const std::vector<Slot> shown = slotsOf(*known);
    return position < static_cast<int>(shown.size()) ? shown[position] : Slot{};
}

// The owner's type and data of an item; fresh for an item not seen before
// or one that has gone and whose address came back.
KnownItem &knownOf(MenuItem &item)
{
    KnownItem &known = tables().items[&item];
    if (!known.guard || known.item != &item)
        known = KnownItem{&item, item.action()};
    return known;
}

bool addItem(MenuHandle menu, int position, SystemItem item)
{
    KnownMenu *known = menuOf(menu);
    if (!known)
        return false;
    known->added.emplace_back(position, std::move(item));
    return true;
}

} // namespace

MenuHandle GetMenu(const Window &window)
{
    Menu *menu = window.MenuID();
    return menu ? handleOf(*menu) : 0;
}

MenuHandle GetSystemMenu(const Window &window)
{
    Tables &t = tables();
    auto found = t.systemMenuOf.find(&window);
    if (found != t.systemMenuOf.end() && menuOf(found->second))
        return found->second;
    const MenuHandle handle = ++t.next;
    KnownMenu &menu = t.menus[handle];
    menu.owner = const_cast<Window *>(&window);
    for (const char *text : {"还原(&R)", "移动(&M)", "大小(&S)", "最小化(&N)", "最大化(&X)", "", "关闭(&C)\tAlt+F4"})
        menu.added.emplace_back(-1, systemItem(text));
    t.systemMenuOf[&window] = handle;
    return handle;
}

MenuHandle GetSubMenu(MenuHandle menu, int position)
{
    const Slot slot = slotAt(menu, position);
    if (slot.system)
        return slot.system->popup;
    return slot.item && !slot.item->Item().empty() ? handleOf(*slot.item) : 0;
}

int GetMenuItemCount(MenuHandle menu)
{
    KnownMenu *known = menuOf(menu);
    return known ? static_cast<int>(slotsOf(*known).size()) : -1;
}

bool GetMenuItemInfo(MenuHandle menu, int position, MenuItemInfo &info)
{
    const Slot slot = slotAt(menu, position);
    if (slot.system) {
        info = slot.system->info;
        return true;
    }
    if (!slot.item)
        return false;
    const KnownItem &known = knownOf(*slot.item);
    info.type = known.type;
    info.itemData = known.itemData;
    info.state = (slot.item->Enabled() ? 0 : kMenuGrayed) | (slot.item->Checked() ? kMenuChecked : 0);
    return true;
}

bool SetMenuItemInfo(MenuHandle menu, int position, const MenuItemInfo &info)
{
    const Slot slot = slotAt(menu, position);
    if (slot.system) {
        slot.system->info.type = info.type;
        slot.system->info.itemData = info.itemData;
        return true;
    }
    if (!slot.item)
        return false;
    KnownItem &known = knownOf(*slot.item);
    known.type = info.type;
    known.itemData = info.itemData;
    return true;
}

String GetMenuString(MenuHandle menu, int position)
{
    const Slot slot = slotAt(menu, position);
    if (slot.system)
        return slot.system->text;
    return slot.item && slot.item->Text() != "-" ? slot.item->Text() : String();
}

bool InsertMenu(MenuHandle menu, int position, MenuHandle popup)
{
    return addItem(menu, position, systemItem(String(), popup));
}

bool AppendMenu(MenuHandle menu, const String &text, unsigned long state)
{
    return addItem(menu, -1, systemItem(text, 0, state));
}

} // namespace runtime
