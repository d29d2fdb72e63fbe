#include "navbar/nvo_qq_group.h"

void nvo_qq_group::of_addbutton(const runtime::String &st_btnid, const runtime::String &st_text,
                                const runtime::String &st_picnormal)
{
    buttons.push_back({st_btnid, st_text, st_picnormal});
}
