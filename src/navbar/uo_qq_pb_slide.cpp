// The slide that opens a group: one panel moves a step at a time, the
// headers between jump to their new places, and the bar lays itself out
// again at the end.
#include "navbar/uo_qq_pb.h"

#include "runtime/ui/clock.h"

using namespace runtime;

namespace {
constexpr int headerheight = 92;
// Time between two steps of a slide.
constexpr Milliseconds kStepInterval{10};
} // namespace

void uo_qq_pb::of_moveup(const String &st_groupid)
{
    finishSlide();
    const long lg_pos = of_findgroup(st_groupid);
    if (lg_pos == 0 || lg_pos > static_cast<long>(panels.size()))
        return;
    // The y just below the open panel's header.
    long lg_top = 0;
    size_t u = 0;
    while (u < panels.size() && panels[u]->movetype != "Up") {
        lg_top = panels[u]->Y() + headerheight;
        ++u;
    }
    if (u == panels.size()) {
        of_resize();
        return;
    }
    // The docked headers before the target join the top stack.
    size_t t = u;
    while (t < panels.size() && panels[t]->thegroup->groupid != st_groupid) {
        lg_top += headerheight;
        panels[t]->SetHeight(headerheight);
        panels[t]->SetY(panels[t - 1]->Y() + headerheight);
        panels[t]->movetype = "Down";
        ++t;
    }
    if (t == panels.size()) {
        of_resize();
        return;
    }
    uo_qq_panel *uo_uppanel = panels[t];
    uo_uppanel->of_hidespin();
    startSlide([=] { return lg_top >= uo_uppanel->Y(); },
               [this, uo_uppanel, lg_top] {
                   if (lg_top >= uo_uppanel->Y() - movespeed) {
                       uo_uppanel->SetY(lg_top);
                   } else {
                       uo_uppanel->SetY(uo_uppanel->Y() - movespeed);
                       uo_uppanel->SetHeight(uo_uppanel->Height() + movespeed);
                   }
               },
               [this, uo_uppanel] {
                   uo_uppanel->movetype = "Down";
                   of_resize();
               });
}

void uo_qq_pb::of_movedown(const String &st_groupid)
{
    finishSlide();
    // The lowest header slot of the bar.
    long lg_top = Y() + Height() - 7 - headerheight;
    const long lg_pos = of_findgroup(st_groupid);
    if (lg_pos == 0 || lg_pos > static_cast<long>(panels.size()))
        return;
    uo_qq_panel *uo_downpanel = panels[lg_pos - 1];
    // The open panel, above the docked headers.
    long k = static_cast<long>(panels.size());
    for (; k >= 1; --k) {
        if (panels[k - 1]->movetype == "Up")
            lg_top = panels[k - 1]->Y() - headerheight;
        else
            break;
    }
    if (k < 1 || panels[k - 1]->movetype != "Down" || panels[k - 1]->thegroup->groupid == st_groupid) {
        of_resize();
        return;
    }
    uo_qq_panel *open = panels[k - 1];
    uo_downpanel->SetHeight(lg_top + headerheight - uo_downpanel->Y());
    for (long j = k - 1; j >= lg_pos + 1; --j)
        panels[j - 1]->SetHeight(headerheight);
    auto lg_count = std::make_shared<long>(0);
    startSlide([=] { return open->Y() >= lg_top; },
               [this, open, uo_downpanel, lg_top, lg_count] {
                   *lg_count += movespeed;
                   if (*lg_count > refreshspeed) {
                       uo_downpanel->widget()->update();
                       *lg_count = 0;
                   }
                   if (open->Y() + movespeed >= lg_top) {
                       open->SetY(lg_top);
                       open->SetHeight(headerheight);
                   } else {
                       open->SetY(open->Y() + movespeed);
                       open->SetHeight(open->Height() - movespeed);
                   }
               },
               [this, open, k, st_groupid] {
                   open->movetype = "Up";
                   // The headers between the target and the panel that slid
                   // down join the docked stack.
                   for (long j = k - 1; j >= 1 && panels[j - 1]->thegroup->groupid != st_groupid; --j) {
                       if (panels[j - 1]->movetype == "Down") {
                           panels[j - 1]->SetY(panels[j]->Y() - headerheight);
                           panels[j - 1]->movetype = "Up";
                       }
                   }
                   of_resize();
               });
}

void uo_qq_pb::startSlide(std::function<bool()> arrived, std::function<void()> step, std::function<void()> done)
{
    arrived_ = std::move(arrived);
    step_ = std::move(step);
    done_ = std::move(done);
    if (arrived_()) {
        finishSlide();
        return;
    }
    slideClock_ = &CurrentClock();
    slideTimer_ = slideClock_->Start(kStepInterval, [this] { tick(); });
}

void uo_qq_pb::tick()
{
    step_();
    if (arrived_())
        finishSlide();
}

void uo_qq_pb::finishSlide()
{
    if (!done_)
        return;
    if (slideTimer_) {
        slideClock_->Stop(slideTimer_);
        slideTimer_ = 0;
    }
    while (!arrived_())
        step_();
    // Cleared first: the end of a slide lays the bar out again, which
    // would otherwise finish the same slide once more.
    const std::function<void()> done = std::move(done_);
    done_ = nullptr;
    arrived_ = nullptr;
    step_ = nullptr;
    done();
}
