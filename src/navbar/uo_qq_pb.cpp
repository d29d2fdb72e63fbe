#include "navbar/uo_qq_pb.h"

#include "runtime/ui/openuserobject.h"

using namespace runtime;

namespace {
constexpr size_t maxgroups = 8;
constexpr int headerheight = 92;
} // namespace

uo_qq_pb::uo_qq_pb(ControlParent &parent, const String &name) : UserObject(parent, name)
{
    Resize(457, 1536);
    SetBackColor(32633329);

    // The window the bar stands in, through any user objects: the panels
    // are opened there.
    constructor = [this] {
        PowerObject *lpo_tmp = GetParent();
        while (lpo_tmp && !dynamic_cast<Window *>(lpo_tmp))
            lpo_tmp = lpo_tmp->GetParent();
        w_parent = dynamic_cast<Window *>(lpo_tmp);
    };

    ue_header_clicked = [this](String groupid) {
        const long lg_pos = of_findgroup(groupid);
        if (lg_pos == 0 || lg_pos > static_cast<long>(panels.size()))
            return;
        const String &movetype = panels[lg_pos - 1]->movetype;
        if (movetype == "Up")
            of_moveup(groupid);
        else if (movetype == "Fixed" || movetype == "Down")
            of_movedown(groupid);
    };

    ue_deactivate = [this] {
        for (uo_qq_panel *panel : panels)
            if (panel)
                panel->ue_deactivate.Trigger();
    };
}

uo_qq_pb::~uo_qq_pb()
{
    if (w_parent)
        for (auto panel = panels.rbegin(); panel != panels.rend(); ++panel)
            CloseUserObject(*w_parent, **panel);
    while (!groups.empty())
        groups.pop_back();
}

nvo_qq_group *uo_qq_pb::of_addgroup(const String &st_groupid, const String &st_text)
{
    if (groups.size() >= maxgroups)
        return groups.back().get();
    auto group = std::make_unique<nvo_qq_group>();
    group->groupid = st_groupid;
    group->text = st_text;
    groups.push_back(std::move(group));
    return groups.back().get();
}

long uo_qq_pb::of_findgroup(const String &st_groupid) const
{
    for (size_t k = 0; k < groups.size(); ++k)
        if (groups[k]->groupid == st_groupid)
            return static_cast<long>(k + 1);
    return 0;
}

void uo_qq_pb::of_movespeed(long lg_movespeed)
{
    if (lg_movespeed >= 1 && lg_movespeed <= 20 && lg_movespeed != 6)
        movespeed = 3 * lg_movespeed;
}

void uo_qq_pb::of_draw() { of_drawpanels(); }

void uo_qq_pb::of_drawpanels()
{
    if (!w_parent)
        return;
    for (size_t k = 0; k < groups.size(); ++k) {
        uo_qq_panel *panel = nullptr;
        OpenUserObject(*w_parent, panel, "uo_qq_panel", 0, 0);
        panels.push_back(panel);
        panel->SetY(Y() + 7);
        panel->SetX(X() + 7);
        panel->SetWidth(Width() - 12);
        panel->parenthandle = Handle(*this);
        panel->thegroup = groups[k].get();
        if (k == 0) {
            panel->movetype = "Fixed";
        } else {
            panel->movetype = "Up";
            panel->SetHeight(headerheight);
        }
        panel->SetBringToTop(true);
        panel->constructor.Trigger();
    }
    of_resize();
}

int uo_qq_pb::of_resize()
{
    if (panels.empty())
        return 1;
    const long N = static_cast<long>(groups.size());
    for (long k = static_cast<long>(panels.size()); k >= 1; --k) {
        uo_qq_panel &panel = *panels[k - 1];
        if (panel.movetype == "Up") {
            panel.SetY(Y() + Height() - 7 - (N - k + 1) * headerheight);
        } else {
            panel.SetHeight(Y() + Height() - (N - k) * headerheight - panel.Y());
            panel.of_redraw();
        }
    }
    return 1;
}

void uo_qq_pb::of_showpanel(const String &st_groupid)
{
    if (of_findgroup(st_groupid) == 0)
        return;
    for (size_t k = panels.size(); k >= 1; --k) {
        uo_qq_panel &panel = *panels[k - 1];
        if (panel.thegroup->groupid != st_groupid)
            continue;
        if (panel.movetype == "Up")
            of_moveup(st_groupid);
        else if (k < panels.size() && panels[k]->movetype == "Down")
            of_movedown(st_groupid);
    }
}
