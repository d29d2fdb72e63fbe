// The navigation bar: its groups, the panels' layout, the slides that open a
// group, and the move speed.
#include "bar_window.h"

#include <algorithm>

using namespace runtime;

namespace {

// Where a panel stands after each frame of a slide, as the window clock
// sees it every millisecond, and how long the slide took.
struct SlideWatch {
    SlideWatch(ManualClock &clock, uo_qq_panel &panel) : clock(clock), panel(panel)
    {
        timer = clock.Start(Milliseconds(1), [this] {
            if (ys.empty() || ys.back() != this->panel.Y())
                ys.push_back(this->panel.Y());
            bottoms.push_back(this->panel.Y() + this->panel.Height());
        });
        started = clock.Now();
    }
    ~SlideWatch() { clock.Stop(timer); }
    Milliseconds took() const { return clock.Now() - started; }

    ManualClock &clock;
    uo_qq_panel &panel;
    int timer = 0;
    Milliseconds started;
    std::vector<int> ys;      // each new y of the panel
    std::vector<int> bottoms; // its bottom edge at each millisecond
};

// Whether every y lies on the steps of `step` from `from`, in order toward `to`.
testing::AssertionResult OnTheSteps(const std::vector<int> &ys, int from, int to, int step)
{
    const int direction = to > from ? 1 : -1;
    int last = from;
    for (int y : ys) {
        if ((y - from) % step != 0 || (y - last) * direction < 0 || (to - y) * direction < 0)
            return testing::AssertionFailure() << y << " is off the steps from " << from;
        last = y;
    }
    return testing::AssertionSuccess();
}

} // namespace

TEST_F(Bar, TheNinthAndLaterGroupsJoinTheEighthAndLookupsFindTheFirstOfAnId)
{
    for (int g = 1; g <= 8; ++g)
        bar().of_addgroup("g" + std::to_string(g), "Group");
    nvo_qq_group *eighth = bar().groups.back().get();
    EXPECT_EQ(bar().of_addgroup("g9", "Group 9"), eighth);
    EXPECT_EQ(bar().of_addgroup("g10", "Group 10"), eighth);
    ASSERT_EQ(bar().groups.size(), 8u);
    EXPECT_EQ(eighth->groupid, "g8");
    EXPECT_EQ(bar().of_findgroup("g9"), 0);

    bar().groups[5]->groupid = "g2";
    EXPECT_EQ(bar().of_findgroup("g2"), 2);
    EXPECT_EQ(bar().of_findgroup("g8"), 8);
    EXPECT_EQ(bar().of_findgroup(""), 0);
}

TEST_F(Bar, MoveSpeedTakesOneToTwentyExceptSix)
{
    EXPECT_EQ(bar().movespeed, 3);
    const std::pair<long, long> cases[] = {{5, 15}, {6, 15}, {0, 15}, {21, 15}, {-1, 15},
                                           {20, 60}, {1, 3},  {7, 21}};
    for (const auto &[value, step] : cases) {
        bar().of_movespeed(value);
        EXPECT_EQ(bar().movespeed, step) << value;
    }
}

TEST_F(Bar, DrawingOpensTheFirstGroupAndDocksTheOthersAtTheBottom)
{
    draw(3);
    EXPECT_EQ(ys(), (std::vector<int>{203, 1049, 1141}));
    EXPECT_EQ(heights(), (std::vector<int>{853, 92, 92}));
    EXPECT_EQ(panel(1).movetype, "Fixed");
    EXPECT_EQ(panel(2).movetype, "Up");
    for (uo_qq_panel *p : bar().panels) {
        EXPECT_EQ(p->X(), 7);
        EXPECT_EQ(p->Width(), 559);
        EXPECT_EQ(p->GetParent(), &*w_bar); // opened in the window, not in the bar
    }
    EXPECT_EQ(panel(3).uo_header.of_text(), "Group 3");
    EXPECT_EQ(w_bar->Controls().size(), 4u);
    // Later panels lie in front of earlier ones.
    const QObjectList &stack = w_bar->Canvas()->children();
    EXPECT_LT(stack.indexOf(panel(1).widget()), stack.indexOf(panel(3).widget()));
}

TEST_F(Bar, ResizeFollowsTheBarsBottomEdgeAndLeavesXAndWidth)
{
    draw(3);
    bar().SetHeight(1500);
    bar().SetWidth(0);
    bar().of_resize();
    EXPECT_EQ(ys(), (std::vector<int>{203, 1505, 1597}));
    EXPECT_EQ(heights(), (std::vector<int>{1309, 92, 92}));
    EXPECT_EQ(panel(2).Width(), 559);

    // Moving the bar moves the docked headers and the open panel's bottom.
    bar().SetY(296);
    bar().of_resize();
    EXPECT_EQ(ys(), (std::vector<int>{203, 1605, 1697}));
    EXPECT_EQ(panel(1).Height(), 1409);
}

TEST_F(Bar, WithEightGroupsTheOpenPanelKeepsRoomForSevenHeaders)
{
    draw(8);
    EXPECT_EQ(panel(1).Height(), 1044 - 7 - 644);
    EXPECT_EQ(panel(8).Y() + 92, 196 + 1044 - 7);
}

TEST_F(Bar, OpeningDockedAndStackedGroupsSlidesStepByStepInsideTheClick)
{
    draw(3);
    bar().of_movespeed(5);

    // Header 3: header 2 jumps under header 1, panel 3 rises 15 units a step
    // with its bottom edge in place, all before the click returns.
    {
        SlideWatch watch(clock, panel(3));
        bar().ue_header_clicked.Trigger("g3");
        EXPECT_EQ(panel(2).Y(), 295);
        EXPECT_EQ(panel(2).movetype, "Down");
        EXPECT_GT(watch.ys.size(), 10u); // the movement shows
        EXPECT_TRUE(OnTheSteps(watch.ys, 1141, 391, 15));
        EXPECT_TRUE(std::all_of(watch.bottoms.begin(), watch.bottoms.end(), [](int b) { return b == 1233; }));
        EXPECT_LE(watch.took(), Milliseconds(400));
    }
    EXPECT_EQ(ys(), (std::vector<int>{203, 295, 387}));
    EXPECT_EQ(heights(), (std::vector<int>{853, 853, 853}));
    EXPECT_EQ(panel(3).movetype, "Down");

    // Header 1: panel 3 slides down to the lowest slot, header 2 docks.
    {
        SlideWatch watch(clock, panel(3));
        bar().ue_header_clicked.Trigger("g1");
        EXPECT_GT(watch.ys.size(), 10u);
        EXPECT_TRUE(OnTheSteps(watch.ys, 387, 1137, 15));
        EXPECT_TRUE(std::all_of(watch.bottoms.begin(), watch.bottoms.end(), [](int b) { return b == 1240; }));
    }
    EXPECT_EQ(ys(), (std::vector<int>{203, 1049, 1141}));
    EXPECT_EQ(heights(), (std::vector<int>{853, 92, 92}));
    EXPECT_EQ(panel(2).movetype, "Up");
    EXPECT_EQ(panel(3).movetype, "Up");

    // The open group's header, or an unknown id, moves nothing.
    const Milliseconds before = clock.Now();
    bar().ue_header_clicked.Trigger("g1");
    bar().ue_header_clicked.Trigger("nothing");
    EXPECT_EQ(clock.Now(), before);
    EXPECT_EQ(ys(), (std::vector<int>{203, 1049, 1141}));
}

TEST_F(Bar, AFullSlideOnAScreen1280By1024TakesAtMostFourTenthsOfASecond)
{
    // The frame's bar on that screen (as the trainer lays it out under Xvfb),
    // with the frame's two groups and step: 236 steps each way.
    w_bar->Resize(3000, 4200);
    bar().SetHeight(3737);
    draw(2);
    bar().of_movespeed(5);
    const int docked = 196 + 3737 - 7 - 92;
    ASSERT_EQ(panel(2).Y(), docked);
    for (const char *group : {"g2", "g1"}) {
        SCOPED_TRACE(group);
        SlideWatch watch(clock, panel(2));
        bar().ue_header_clicked.Trigger(group);
        EXPECT_LE(watch.took(), Milliseconds(400));
        EXPECT_GT(watch.ys.size(), 20u);
        if (group == std::string("g2"))
            EXPECT_TRUE(OnTheSteps(watch.ys, docked, 295, 15));
        else
            EXPECT_TRUE(OnTheSteps(watch.ys, 295, docked, 15));
    }
    EXPECT_EQ(ys(), (std::vector<int>{203, docked}));
    EXPECT_EQ(heights(), (std::vector<int>{3737 - 7 - 92, 92}));

    // A short slide keeps its 10 ms a step.
    bar().SetHeight(14 + 2 * 92 + 150); // 10 steps
    bar().of_resize();
    SlideWatch watch(clock, panel(2));
    bar().ue_header_clicked.Trigger("g2");
    EXPECT_EQ(watch.took(), Milliseconds(100));
    EXPECT_EQ(panel(2).Y(), 295);
}

TEST_F(Bar, AStepLargerThanTheDistanceTakesOnlyTheFinalStep)
{
    draw(2);
    bar().of_movespeed(20); // 60 units
    bar().SetHeight(14 + 2 * 92 + 50);
    bar().of_resize();
    const Milliseconds before = clock.Now();
    bar().ue_header_clicked.Trigger("g2");
    EXPECT_EQ(clock.Now() - before, Milliseconds(10)); // one frame
    EXPECT_EQ(panel(2).Y(), 295);
}

TEST_F(Bar, HeaderClicksWithTheMouseOpenTheirGroup)
{
    draw(3);
    mouse.Click(panel(2).uo_header, 200, 40);
    EXPECT_EQ(panel(2).movetype, "Down");
    EXPECT_EQ(panel(2).Y(), 295);
    // A release over a header that was pressed elsewhere opens it too.
    mouse.GlideTo(panel(3).uo_header, 200, 40);
    mouse.Press();
    mouse.GlideTo(panel(1).uo_header, 200, 40);
    mouse.Release();
    EXPECT_EQ(panel(2).movetype, "Up");
    EXPECT_EQ(panel(3).movetype, "Up");
    EXPECT_TRUE(w_bar->clicks.empty());
}

TEST_F(Bar, AButtonClickReachesTheHostWithItsGroupAndButtonIds)
{
    draw(2);
    mouse.Click(panel(1).uo_btn2, 100, 100);
    mouse.Click(panel(1).uo_btn1, 100, 100);
    using Click = std::pair<String, String>;
    EXPECT_EQ(w_bar->clicks, (std::vector<Click>{{"g1", "g1.2"}, {"g1", "g1.1"}}));
}
