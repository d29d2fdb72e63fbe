// The owner-drawn menu renderer that the frame holds. No menu is registered
// with it, so it draws and measures nothing and menus keep the platform's look.
#pragma once

class nvo_supermenu_class {
public:
    int of_drawitem(unsigned long &childid, long &drawitemstruct);
    int of_measureitem(unsigned long &childid, long &measureitemstruct);
};
