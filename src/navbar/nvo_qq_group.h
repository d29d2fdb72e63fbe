// A group of the navigation bar: its id, its caption and the doubly linked
// list of its buttons, which it owns.
#pragma once

#include "navbar/nvo_qq_node.h"

class nvo_qq_group {
public:
    nvo_qq_group() = default;
    ~nvo_qq_group();
    nvo_qq_group(const nvo_qq_group &) = delete;
    nvo_qq_group &operator=(const nvo_qq_group &) = delete;

    // Shows the list in a message box, for checking by hand.
    void of_showallbtn();
    bool of_removebutton(const runtime::String &st_btnid);
    bool of_insertbefore(const runtime::String &st_btnid, const runtime::String &st_newbtnid,
                         const runtime::String &st_text, const runtime::String &st_picnormal,
                         const runtime::String &st_picfocus);
    bool of_addbutton(const runtime::String &st_btnid, const runtime::String &st_text,
                      const runtime::String &st_picnormal, const runtime::String &st_picfocus);
    bool of_insertafter(const runtime::String &st_btnid, const runtime::String &st_newbtnid,
                        const runtime::String &st_text, const runtime::String &st_picnormal,
                        const runtime::String &st_picfocus);
    // Empties the list; returns how many buttons it held.
    long of_resetlist();
    // Appends a button whose focused look shows the normal picture.
    void of_addbutton(const runtime::String &st_btnid, const runtime::String &st_text,
                      const runtime::String &st_picnormal);

    runtime::String groupid;
    runtime::String text;
    nvo_qq_node *firstnode = nullptr;
    nvo_qq_node *lastnode = nullptr;

private:
    nvo_qq_node *find(const runtime::String &btnid) const;
};
