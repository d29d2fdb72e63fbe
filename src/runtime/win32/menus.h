// Menus by handle, as the operating system shows them: a menu handle stands
// for the visible sub-items of one menu item (the menu bar for the menu
// itself), addressed by position from 0. Each item carries a type and a
// number of the owner's (its item data), kept for as long as the item lives.
#pragma once

#include "runtime/text/text.h"

namespace runtime {

class MenuItem;
class Window;

using MenuHandle = unsigned long; // 0: none

inline constexpr unsigned long kMenuGrayed = 1;      // state: disabled
inline constexpr unsigned long kMenuChecked = 8;     // state: checked
inline constexpr unsigned long kMenuOwnerDraw = 256; // type: drawn by its window

struct MenuItemInfo {
    unsigned long type = 0;     // kMenuOwnerDraw or 0
    unsigned long state = 0;    // kMenuGrayed and kMenuChecked, from the item
    unsigned long itemData = 0; // the owner's number
};

// The window's menu bar; 0 for a window without menu.
MenuHandle GetMenu(const Window &window);
// The pop-up menu of the visible item at position; 0 when it has none.
MenuHandle GetSubMenu(MenuHandle menu, int position);
// The number of visible items; -1 for no menu.
int GetMenuItemCount(MenuHandle menu);
// The item at position; false (info unchanged) when there is none.
bool GetMenuItemInfo(MenuHandle menu, int position, MenuItemInfo &info);
// Writes the type and item data of the item at position; false when there is none.
bool SetMenuItemInfo(MenuHandle menu, int position, const MenuItemInfo &info);
// The item's text; empty for a separator or no item.
String GetMenuString(MenuHandle menu, int position);

} // namespace runtime
