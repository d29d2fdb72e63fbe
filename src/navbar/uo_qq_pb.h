// The frame's navigation bar: groups of buttons built from the menu. It
// keeps the groups it is given; showing them as sliding panels comes with
// the navigation bar itself.
#pragma once

#include "navbar/nvo_qq_group.h"
#include "runtime/ui/userobject.h"

#include <memory>
#include <vector>

class uo_qq_pb : public runtime::UserObject {
public:
    uo_qq_pb(runtime::ControlParent &parent, const runtime::String &name);

    // Appends a group; from the ninth call on it returns the eighth group.
    nvo_qq_group *of_addgroup(const runtime::String &st_groupid, const runtime::String &st_text);
    void of_movespeed(long lg_movespeed);
    void of_draw();
    int of_resize();

    const std::vector<std::unique_ptr<nvo_qq_group>> &groups() const { return groups_; }

    // Raised for a click on one of the bar's buttons.
    runtime::Event<runtime::String, runtime::String> ue_button_clicked{this, "ue_button_clicked"}; // groupid, btnid

private:
    std::vector<std::unique_ptr<nvo_qq_group>> groups_;
};
