// Menus by handle, as the operating system shows them: a menu handle stands
// for the visible sub-items of one menu item (the menu bar for the menu
// itself), addressed by position from 0, together with any items of the
// system's own put into it: a window's system menu, which a frame shows in
// its menu bar, and the items a frame's window list appends. Each item
// carries a type and a number of the owner's (its item data), kept for as
// long as the item lives.
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
    unsigned long state = 0;    // kMenuGrayed and kMenuChecked
    unsigned long itemData = 0; // the owner's number
};

// The window's menu bar; 0 for a window without menu.
MenuHandle GetMenu(const Window &window);
// The window's system menu (restore, move, size, minimise, maximise, close),
// the same handle for as long as the window lives.
MenuHandle GetSystemMenu(const Window &window);
// The pop-up menu of the item at position; 0 when it has none.
MenuHandle GetSubMenu(MenuHandle menu, int position);
// The number of items; -1 for no menu.
int GetMenuItemCount(MenuHandle menu);
// The item at position; false (info unchanged) when there is none.
bool GetMenuItemInfo(MenuHandle menu, int position, MenuItemInfo &info);
// Writes the type and item data of the item at position; false when there is none.
bool SetMenuItemInfo(MenuHandle menu, int position, const MenuItemInfo &info);
// The item's text; empty for a separator, a system menu or no item.
String GetMenuString(MenuHandle menu, int position);

// Items of the system's own, which no menu item stands for; false for no
// menu. InsertMenu puts an item opening popup at position (or after the
// last item), moving the items from there down: a frame so shows the system
// menu of a maximised sheet at the front of its menu bar. AppendMenu adds an
// item after the last, a separator for an empty text: a frame's window list
// adds a separator and one item per sheet, the active one checked.
bool InsertMenu(MenuHandle menu, int position, MenuHandle popup);
bool AppendMenu(MenuHandle menu, const String &text, unsigned long state = 0);

} // namespace runtime
