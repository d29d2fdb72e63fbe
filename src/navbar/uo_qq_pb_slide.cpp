// The slide that opens a group: one panel moves a step at a time, the
// headers between jump to their new places, and the bar lays itself out
// again at the end. A slide runs to its end inside the call that starts it.
#include "navbar/uo_qq_pb.h"

#include "runtime/ui/clock.h"

#include <algorithm>
#include <chrono>

using namespace runtime;

namespace {
constexpr int headerheight = 92;
// The screen is brought up to date this often during a slide.
constexpr Milliseconds kFrame{10};
// A slide takes a step every 10 ms, unless that would make it last longer
// than kLongestSlide: then several steps fall into one frame.
constexpr std::chrono::microseconds kStepTime = Milliseconds(10);
constexpr std::chrono::microseconds kLongestSlide = Milliseconds(300);

// The steps that cover distance: full steps while more than one step is
// left, then one final step onto the end.
long StepsOver(long distance, long step) { return distance <= 0 ? 0 : (distance + step - 1) / step; }
} // namespace

void uo_qq_pb::of_moveup(const String &st_groupid)
{
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
    // The panel rises, growing upward with its bottom edge in place, until
    // its header sits under the top stack.
    slide(StepsOver(uo_uppanel->Y() - lg_top, movespeed), [&] { return lg_top >= uo_uppanel->Y(); },
          [&] {
              if (lg_top >= uo_uppanel->Y() - movespeed) {
                  uo_uppanel->SetY(lg_top);
              } else {
                  uo_uppanel->SetY(uo_uppanel->Y() - movespeed);
                  uo_uppanel->SetHeight(uo_uppanel->Height() + movespeed);
              }
          });
    uo_uppanel->movetype = "Down";
    of_resize();
}

void uo_qq_pb::of_movedown(const String &st_groupid)
{
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
    // The open panel slides down, shrinking with its bottom edge in place,
    // and the target shows behind it, repainted now and then.
    long lg_count = 0;
    slide(StepsOver(lg_top - open->Y(), movespeed), [&] { return open->Y() >= lg_top; },
          [&] {
              lg_count += movespeed;
              if (lg_count > refreshspeed) {
                  uo_downpanel->SetRedraw(true);
                  lg_count = 0;
              }
              if (open->Y() + movespeed >= lg_top) {
                  open->SetY(lg_top);
                  open->SetHeight(headerheight);
              } else {
                  open->SetY(open->Y() + movespeed);
                  open->SetHeight(open->Height() - movespeed);
              }
          });
    open->movetype = "Up";
    // The headers between the target and the panel that slid down join the
    // docked stack.
    for (long j = k - 1; j >= 1 && panels[j - 1]->thegroup->groupid != st_groupid; --j) {
        if (panels[j - 1]->movetype == "Down") {
            panels[j - 1]->SetY(panels[j]->Y() - headerheight);
            panels[j - 1]->movetype = "Up";
        }
    }
    of_resize();
}

void uo_qq_pb::slide(long steps, const std::function<bool()> &arrived, const std::function<void()> &step)
{
    if (arrived())
        return;
    Clock &clock = CurrentClock();
    const auto perStep = std::max(std::chrono::microseconds(1), std::min(kStepTime, kLongestSlide / std::max(steps, 1L)));
    const Milliseconds start = clock.Now();
    long taken = 0;
    while (!arrived()) {
        clock.Pause(kFrame);
        // The steps due by now, and one at least, so that every frame moves.
        const long due = std::max<long>(taken + 1, (clock.Now() - start) / perStep);
        while (taken < due && !arrived()) {
            step();
            ++taken;
        }
    }
}
