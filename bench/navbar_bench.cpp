// A full slide of the navigation bar on the frame's bar of a 1280 × 1024
// screen: the docked group rises over 236 steps, then the first group opens
// again, each inside its header click, on the real clock and painting as it
// goes. Run under an X server (QT_QPA_PLATFORM=xcb) to see the drawing cost.
#include "navbar/uo_qq_pb.h"
#include "runtime/ui/window.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace runtime;

namespace {

class w_slide : public Window {
public:
    w_slide() : Window("w_slide")
    {
        Resize(5600, 4100);
        uo_look.Move(0, 196);
        uo_look.Resize(571, 3737); // as the frame lays it out on that screen
    }
    uo_qq_pb uo_look{*this, "uo_look"};
};
GlobalWindow<w_slide> slideWindow;

} // namespace

static void BM_FullSlideOfTheNavigationBar(benchmark::State &state)
{
    Open(slideWindow);
    uo_qq_pb &bar = slideWindow->uo_look;
    for (const char *group : {"模拟考试与练习", "系统帮助"}) {
        nvo_qq_group *g = bar.of_addgroup(group, group);
        for (const char *button : {"a", "b", "c", "d"})
            g->of_addbutton(button, button, "pic\\logo.gif");
    }
    bar.of_movespeed(5);
    bar.of_draw();
    QCoreApplication::processEvents();

    bool up = true;
    for (auto _ : state) {
        bar.ue_header_clicked.Trigger(up ? "系统帮助" : "模拟考试与练习");
        up = !up;
    }
    if (bar.panels[1]->Y() != 295 && bar.panels[1]->Y() != 196 + 3737 - 99)
        state.SkipWithError("the slide ended off its place");
    Close(slideWindow);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_FullSlideOfTheNavigationBar)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(6);
