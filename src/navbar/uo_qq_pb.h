// The frame's navigation bar: up to eight groups of buttons, each shown as a
// panel opened over the bar in the bar's window. One group is open at a time;
// the panels before it keep their headers stacked at the top, the ones after
// it docked at the bottom. A header click slides the panels so that its
// group opens; a button click is raised as ue_button_clicked on the bar.
#pragma once

#include "navbar/nvo_qq_group.h"
#include "navbar/uo_qq_panel.h"
#include "runtime/ui/userobject.h"
#include "runtime/ui/window.h"

#include <functional>
#include <memory>
#include <vector>

class uo_qq_pb : public runtime::UserObject {
public:
    uo_qq_pb(runtime::ControlParent &parent, const runtime::String &name);
    ~uo_qq_pb() override;

    // Appends a group; from the ninth call on it returns the eighth group.
    nvo_qq_group *of_addgroup(const runtime::String &st_groupid, const runtime::String &st_text);
    // The 1-based index of the first group of that id, 0 when none has it.
    long of_findgroup(const runtime::String &st_groupid) const;
    // The slide step becomes 3 × lg_movespeed for 1 to 20 except 6; any
    // other value leaves it.
    void of_movespeed(long lg_movespeed);
    // Opens one panel per group, the first open and the others docked.
    void of_draw();
    void of_drawpanels();
    // Lays the panels out again for the bar's y and height. Returns 1.
    int of_resize();
    // Opens a group from code.
    void of_showpanel(const runtime::String &st_groupid);
    // Opens a docked group: it slides up under the headers at the top.
    void of_moveup(const runtime::String &st_groupid);
    // Opens a group of the top stack: the open panel slides down and docks.
    void of_movedown(const runtime::String &st_groupid);

    // Raised by a panel whose header was clicked: opens that group.
    runtime::Event<runtime::String> ue_header_clicked{this, "ue_header_clicked"}; // groupid
    // Raised by a panel for a click on one of its buttons; the host gives it
    // its behaviour.
    runtime::Event<runtime::String, runtime::String> ue_button_clicked{this, "ue_button_clicked"}; // groupid, btnid
    // Returns every button of every panel to its flat look.
    runtime::Event<> ue_deactivate{this, "ue_deactivate"};

    long movespeed = 3;
    long refreshspeed = 123;
    std::vector<std::unique_ptr<nvo_qq_group>> groups;
    std::vector<uo_qq_panel *> panels;
    runtime::Window *w_parent = nullptr;

private:
    // Takes step after step until arrived, on the window clock: a step every
    // 10 ms, several per frame where the slide would otherwise last longer
    // than 0.3 s (steps is how many the whole slide takes). The screen
    // keeps up meanwhile, and the user's input waits until it is over.
    void slide(long steps, const std::function<bool()> &arrived, const std::function<void()> &step);
};
