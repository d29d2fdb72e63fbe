// The navigation bar: its groups, the panels' layout, the slides that open a
// group, and the move speed.
#include "bar_window.h"
#include "pointer.h"

using namespace runtime;

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

TEST_F(Bar, OpeningDockedAndStackedGroupsSlidesStepByStepOnTheClock)
{
    draw(3);
    bar().of_movespeed(5);

    // Header 3: header 2 jumps under header 1, panel 3 rises 15 units a step.
    bar().ue_header_clicked.Trigger("g3");
    EXPECT_EQ(panel(2).Y(), 295);
    EXPECT_EQ(panel(2).movetype, "Down");
    EXPECT_EQ(panel(3).Y(), 1141);
    clock.Advance(Milliseconds(10));
    EXPECT_EQ(panel(3).Y(), 1126);
    EXPECT_EQ(panel(3).Height(), 107);
    EXPECT_EQ(slideSteps(), 50); // 49 more full steps and the final one
    EXPECT_EQ(ys(), (std::vector<int>{203, 295, 387}));
    EXPECT_EQ(heights(), (std::vector<int>{853, 853, 853}));
    EXPECT_EQ(panel(3).movetype, "Down");

    // Header 1: panel 3 slides down to the lowest slot, header 2 docks.
    bar().ue_header_clicked.Trigger("g1");
    EXPECT_EQ(panel(1).Height(), 1030);
    EXPECT_EQ(panel(2).Height(), 92);
    EXPECT_EQ(slideSteps(), 51);
    EXPECT_EQ(ys(), (std::vector<int>{203, 1049, 1141}));
    EXPECT_EQ(heights(), (std::vector<int>{853, 92, 92}));
    EXPECT_EQ(panel(2).movetype, "Up");
    EXPECT_EQ(panel(3).movetype, "Up");

    // The open group's header, or an unknown id, moves nothing.
    bar().ue_header_clicked.Trigger("g1");
    bar().ue_header_clicked.Trigger("nothing");
    EXPECT_EQ(clock.RunningTimers(), 0);
    EXPECT_EQ(ys(), (std::vector<int>{203, 1049, 1141}));
}

TEST_F(Bar, AStepLargerThanTheDistanceTakesOnlyTheFinalStep)
{
    draw(2);
    bar().of_movespeed(20); // 60 units
    bar().SetHeight(14 + 2 * 92 + 50);
    bar().of_resize();
    bar().ue_header_clicked.Trigger("g2");
    EXPECT_EQ(slideSteps(), 1);
    EXPECT_EQ(panel(2).Y(), 295);
}

TEST_F(Bar, AClickOrResizeDuringASlideFinishesItFirst)
{
    draw(3);
    bar().ue_header_clicked.Trigger("g2");
    clock.Advance(Milliseconds(30));
    bar().ue_header_clicked.Trigger("g3");
    EXPECT_EQ(panel(2).movetype, "Down");
    EXPECT_EQ(panel(2).Y(), 295);
    bar().of_resize();
    EXPECT_EQ(clock.RunningTimers(), 0);
    EXPECT_EQ(ys(), (std::vector<int>{203, 295, 387}));
}

TEST_F(Bar, HeaderClicksWithTheMouseOpenTheirGroup)
{
    draw(3);
    Pointer::Click(panel(2).uo_header, 200, 40);
    slideSteps();
    EXPECT_EQ(panel(2).movetype, "Down");
    EXPECT_EQ(panel(2).Y(), 295);
    // A release over a header that was pressed elsewhere opens it too. (The
    // clicked header still holds the capture: the first move renews it, the
    // second, outside it, ends it.)
    Pointer::Move(panel(1).uo_header, 200, 40);
    Pointer::Move(panel(1).uo_header, 200, 40);
    Pointer::Release(panel(1).uo_header, 200, 40);
    slideSteps();
    EXPECT_EQ(panel(2).movetype, "Up");
    EXPECT_TRUE(w_bar->clicks.empty());
}

TEST_F(Bar, AButtonClickReachesTheHostWithItsGroupAndButtonIds)
{
    draw(2);
    Pointer::Click(panel(1).uo_btn2);
    Pointer::Click(panel(1).uo_btn1);
    using Click = std::pair<String, String>;
    EXPECT_EQ(w_bar->clicks, (std::vector<Click>{{"g1", "g1.2"}, {"g1", "g1.1"}}));
}
