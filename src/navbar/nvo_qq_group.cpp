#include "navbar/nvo_qq_group.h"

#include "runtime/ui/messagebox.h"

#include <memory>

using namespace runtime;

namespace {

std::unique_ptr<nvo_qq_node> NewNode(const String &btnid, const String &text, const String &picnormal,
                                     const String &picfocus)
{
    auto node = std::make_unique<nvo_qq_node>();
    node->btnid = btnid;
    node->text = text;
    node->picnormal = picnormal;
    node->picfocus = picfocus;
    return node;
}

} // namespace

nvo_qq_group::~nvo_qq_group() { of_resetlist(); }

nvo_qq_node *nvo_qq_group::find(const String &btnid) const
{
    for (nvo_qq_node *node = firstnode; node; node = node->nextnode)
        if (node->btnid == btnid)
            return node;
    return nullptr;
}

void nvo_qq_group::of_showallbtn()
{
    String ls_text = "结点列表";
    for (nvo_qq_node *node = firstnode; node; node = node->nextnode)
        ls_text += String("\r") + node->btnid + "\t" + node->text;
    if (firstnode)
        ls_text += String("\r") + "头结点:" + firstnode->btnid;
    if (lastnode)
        ls_text += String("\r") + "尾结点:" + lastnode->btnid;
    MessageBox("Node List", ls_text);
}

bool nvo_qq_group::of_removebutton(const String &st_btnid)
{
    nvo_qq_node *node = find(st_btnid);
    if (!node)
        return false;
    nvo_qq_node *before = node->previousnode;
    nvo_qq_node *after = node->nextnode;
    if (before)
        before->nextnode = after;
    else
        firstnode = after;
    if (after)
        after->previousnode = before;
    else
        lastnode = before;
    delete node;
    return true;
}

bool nvo_qq_group::of_insertbefore(const String &st_btnid, const String &st_newbtnid, const String &st_text,
                                   const String &st_picnormal, const String &st_picfocus)
{
    nvo_qq_node *found = find(st_btnid);
    if (!found)
        return false;
    nvo_qq_node *node = NewNode(st_newbtnid, st_text, st_picnormal, st_picfocus).release();
    node->previousnode = found->previousnode;
    node->nextnode = found;
    if (found->previousnode)
        found->previousnode->nextnode = node;
    else
        firstnode = node;
    found->previousnode = node;
    return true;
}

bool nvo_qq_group::of_addbutton(const String &st_btnid, const String &st_text, const String &st_picnormal,
                                const String &st_picfocus)
{
    nvo_qq_node *node = NewNode(st_btnid, st_text, st_picnormal, st_picfocus).release();
    if (!firstnode) {
        firstnode = lastnode = node;
    } else {
        node->previousnode = lastnode;
        lastnode->nextnode = node;
        lastnode = node;
    }
    return true;
}

bool nvo_qq_group::of_insertafter(const String &st_btnid, const String &st_newbtnid, const String &st_text,
                                  const String &st_picnormal, const String &st_picfocus)
{
    nvo_qq_node *found = find(st_btnid);
    if (!found)
        return false;
    nvo_qq_node *node = NewNode(st_newbtnid, st_text, st_picnormal, st_picfocus).release();
    node->previousnode = found;
    node->nextnode = found->nextnode;
    if (found->nextnode)
        found->nextnode->previousnode = node;
    else
        lastnode = node;
    found->nextnode = node;
    return true;
}

long nvo_qq_group::of_resetlist()
{
    long ll_count = 0;
    while (firstnode) {
        nvo_qq_node *node = firstnode;
        firstnode = node->nextnode;
        delete node;
        ++ll_count;
    }
    lastnode = nullptr;
    return ll_count;
}

void nvo_qq_group::of_addbutton(const String &st_btnid, const String &st_text, const String &st_picnormal)
{
    of_addbutton(st_btnid, st_text, st_picnormal, st_picnormal);
}
