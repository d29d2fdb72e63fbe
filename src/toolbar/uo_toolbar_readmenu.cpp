// Building the row from a menu: for every item of the menu's top-level items,
// in menu order, a spacer when the item asks for space and a button when it
// names a toolbar picture. Both are opened in the toolbar's window, over the
// toolbar, from left to right.
#include "toolbar/uo_toolbar.h"

#include "runtime/ui/openuserobject.h"

using namespace runtime;

void uo_toolbar::of_readmenu(MenuItem *am_menu)
{
    long ll_beginx = 0;
    long ll_btnheight = 0;

    if (!am_menu) {
        SetVisible(false);
    } else {
        if (!iw_parent)
            RaiseNullObject();
        Window &win = *iw_parent;
        ll_beginx = X() + 40;
        for (MenuItem *top : am_menu->Item()) {
            for (size_t j = 0; j < top->Item().size(); ++j) {
                MenuItem *item = top->Item()[j];
                const String ls_bitmapfilename = item->ToolbarItemName;
                RowItem row;

                if (item->ToolbarItemSpace > 0) {
                    uo_toolbar_space *space = nullptr;
                    OpenUserObject(win, space, "uo_toolbar_space", static_cast<int>(ll_beginx), Y() + 10);
                    iuo_spaces.push_back(space);
                    space->SetBackColor(win.BackColor());
                    ll_beginx = ll_beginx + space->Width() + il_space;
                    row.space = space;
                }

                if (ls_bitmapfilename == "") {
                    if (row.space)
                        row_.push_back(row);
                    continue;
                }

                uo_toolbar_button *button = nullptr;
                OpenUserObject(win, button, "uo_toolbar_button", static_cast<int>(ll_beginx), Y() + 10);
                iuo_buttons.push_back(button);
                button->buttontext = Trim(item->ToolbarItemText);
                button->textalign = textalign;
                button->tooltip = Trim(item->MicroHelp);
                button->SetEnabled(item->Enabled());
                button->picture_name = item->ToolbarItemName;
                button->picture_size = picture_size;
                button->SetBringToTop(true);
                button->SetVisible(Visible());
                button->of_setparent(this);
                button->of_setmenu(item);
                button->of_setbkcolor(BackColor());
                if (!item->Item().empty())
                    button->of_childmenu(true);
                button->constructor.Trigger();

                ll_beginx = ll_beginx + button->Width() + il_space;
                if (ll_btnheight < button->Height())
                    ll_btnheight = button->Height();

                const String tag = Lower(item->Tag);
                if (tag == "checked") {
                    button->buttontype = "Checked";
                    if (item->Checked())
                        button->of_checked();
                } else if (Left(tag, 10) == "radiogroup") {
                    button->buttontype = "RadioButton";
                    button->of_setgroup(Integer(Mid(item->Tag, 11)));
                    if (item->Checked())
                        button->of_checked();
                }

                if (row.space) {
                    row.space->SetHeight(button->Height() - 10);
                    row.space->SetBringToTop(true);
                }
                row.button = button;
                row_.push_back(row);
            }
        }
    }

    buttonheight = ll_btnheight;
    minwidth = ll_beginx - X();
    of_setsize();
    of_setposition();
}
