// One button of a navigation group: what it shows and the command id it
// reports, linked to its neighbours in the group's list.
#pragma once

#include "runtime/text/text.h"

class nvo_qq_node {
public:
    runtime::String groupid;
    runtime::String btnid;
    runtime::String text;
    runtime::String picnormal;
    runtime::String picfocus;
    nvo_qq_node *previousnode = nullptr;
    nvo_qq_node *nextnode = nullptr;
};
