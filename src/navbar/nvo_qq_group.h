// A group of the navigation bar: its id, caption and buttons.
#pragma once

#include "runtime/text/text.h"

#include <vector>

class nvo_qq_group {
public:
    nvo_qq_group(const runtime::String &id, const runtime::String &text) : is_id(id), is_text(text) {}

    void of_addbutton(const runtime::String &st_btnid, const runtime::String &st_text,
                      const runtime::String &st_picnormal);

    struct Button {
        runtime::String id, text, picture;
    };
    runtime::String is_id;
    runtime::String is_text;
    std::vector<Button> buttons;
};
