// The text an item shows, shared by the plain and the highlighted looks.
#pragma once

#include "menurender/nvo_supermenu_class.h"

// The item's current text before its first tab, with a blank in front on the
// white background (a separator's "-" excepted).
runtime::String of_itemtext(const ust_menuinfo &ast_menuinfo, int menubkstyle);

// Whether the row has an icon to draw.
inline bool of_hasicon(const ust_menuinfo &ast_menuinfo) { return static_cast<long>(ast_menuinfo.hicon) > 0; }
