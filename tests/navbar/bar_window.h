// A window that holds a navigation bar where the frame puts it, for the
// bar's tests; the clock behind the slides is a manual one, and the mouse
// comes through the platform.
#pragma once

#include "navbar/uo_qq_pb.h"
#include "platform_mouse.h"
#include "runtime/ui/clock.h"
#include "runtime/ui/window.h"
#include "runtime/win32/capture.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

class w_bar : public runtime::Window {
public:
    w_bar() : Window("w_bar")
    {
        Resize(3000, 2000);
        uo_look.Move(0, 196);
        uo_look.Resize(571, 1044);
        uo_look.ue_button_clicked = [this](runtime::String groupid, runtime::String btnid) {
            clicks.emplace_back(groupid, btnid);
        };
    }
    uo_qq_pb uo_look{*this, "uo_look"};
    std::vector<std::pair<runtime::String, runtime::String>> clicks;
};
inline runtime::GlobalWindow<w_bar> w_bar;

class Bar : public testing::Test {
protected:
    void SetUp() override
    {
        runtime::SetClock(&clock);
        runtime::Open(w_bar);
    }
    void TearDown() override
    {
        runtime::ReleaseCapture();
        uo_qq_header::ib_captured = false;
        runtime::Close(w_bar);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        runtime::SetClock(nullptr);
    }
    uo_qq_pb &bar() { return w_bar->uo_look; }
    uo_qq_panel &panel(int k) { return *bar().panels.at(k - 1); }
    // Groups "g1" … "gN" of `buttons` buttons each ("gK.1" …), drawn.
    void draw(int groups, int buttons = 3)
    {
        for (int g = 1; g <= groups; ++g) {
            const runtime::String id = "g" + std::to_string(g);
            nvo_qq_group *group = bar().of_addgroup(id, "Group " + std::to_string(g));
            for (int b = 1; b <= buttons; ++b)
                group->of_addbutton(id + "." + std::to_string(b), "Button " + std::to_string(b), "pic\\logo.gif");
        }
        bar().of_draw();
    }
    std::vector<int> ys()
    {
        std::vector<int> result;
        for (uo_qq_panel *p : bar().panels)
            result.push_back(p->Y());
        return result;
    }
    std::vector<int> heights()
    {
        std::vector<int> result;
        for (uo_qq_panel *p : bar().panels)
            result.push_back(p->Height());
        return result;
    }

    runtime::ManualClock clock;
    PlatformMouse mouse;
};
