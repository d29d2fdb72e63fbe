#include "menurender/nvo_supermenu_itemtext.h"

#include "runtime/ui/menu.h"

using namespace runtime;

String of_itemtext(const ust_menuinfo &ast_menuinfo, int menubkstyle)
{
    String ls_itemname = ast_menuinfo.menupt->Text();
    if (menubkstyle == nvo_supermenu_class::style_bkwhite && ls_itemname != "-")
        ls_itemname = " " + ls_itemname;
    if (const long li_pos = Pos(ls_itemname, "\t"); li_pos > 0)
        ls_itemname = Left(ls_itemname, li_pos - 1);
    return ls_itemname;
}
