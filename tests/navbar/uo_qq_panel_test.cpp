// A group panel: how many buttons fit, which nodes fill the slots, the
// paging arrows, and the clicks it passes on.
#include "bar_window.h"

using namespace runtime;

namespace {

class Panel : public Bar {
protected:
    // One group of `buttons` buttons in a bar whose open panel is `height` high.
    uo_qq_panel &only(int buttons, int height = 3000)
    {
        bar().SetHeight(height + 7);
        draw(1, buttons);
        return panel(1);
    }
    // The ids the visible slots show, in slot order.
    std::vector<String> shown(uo_qq_panel &p)
    {
        std::vector<String> ids;
        for (uo_qq_button *b : p.buttons)
            if (b->Visible())
                ids.push_back(b->btnid);
        return ids;
    }
    std::vector<String> range(int from, int to)
    {
        std::vector<String> ids;
        for (int k = from; k <= to; ++k)
            ids.push_back("g1." + std::to_string(k));
        return ids;
    }
};

} // namespace

TEST_F(Panel, TwentyNodesPageOneAtATimeWithArrowsAtTheEnds)
{
    uo_qq_panel &p = only(20);
    EXPECT_EQ(p.Y(), 203);
    EXPECT_EQ(p.Width(), 559);
    EXPECT_EQ(p.uo_header.Width(), 553);
    EXPECT_EQ(p.of_calc("ButtonsCanShow"), 9);
    EXPECT_EQ(p.of_calc("other"), 0);
    EXPECT_EQ(shown(p), range(1, 9));
    EXPECT_EQ(p.uo_btn9.Y(), 2572);
    EXPECT_EQ(p.uo_btn1.X(), 50);
    EXPECT_EQ(p.uo_btn1.Width(), 459);
    EXPECT_EQ(p.uo_btn1.Height(), 300);
    EXPECT_FALSE(p.cb_up.Visible());
    EXPECT_TRUE(p.cb_down.Visible());
    EXPECT_EQ(p.cb_down.X(), 459);
    EXPECT_EQ(p.cb_down.Y(), 2880);

    p.cb_down.clicked.Trigger();
    EXPECT_EQ(shown(p), range(2, 10));
    EXPECT_TRUE(p.cb_up.Visible());
    for (int k = 0; k < 10; ++k)
        p.cb_down.clicked.Trigger();
    EXPECT_EQ(p.firstnodeonpage, 12);
    EXPECT_EQ(shown(p), range(12, 20));
    EXPECT_FALSE(p.cb_down.Visible());

    // A taller panel keeps the page: nodes 12 to 20 and the up arrow.
    bar().SetHeight(5007);
    bar().of_resize();
    EXPECT_EQ(p.of_calc("ButtonsCanShow"), 15);
    EXPECT_EQ(shown(p), range(12, 20));
    EXPECT_TRUE(p.cb_up.Visible());
    EXPECT_FALSE(p.cb_down.Visible());

    for (int k = 0; k < 11; ++k)
        p.cb_up.clicked.Trigger();
    EXPECT_EQ(p.firstnodeonpage, 1);
    EXPECT_FALSE(p.cb_up.Visible());
}

TEST_F(Panel, TheFitCountAndTheArrowsAtItsEdges)
{
    struct Case {
        int height;
        int nodes;
        long count;
        bool down;
    };
    // At y 203: 2886 high fits 8 (8.9994), 2887 fits 9 (9.0025); 300 high fits none.
    const Case cases[] = {{2886, 20, 8, true}, {2887, 20, 9, true}, {2887, 9, 9, false},
                          {2887, 10, 9, true}, {2887, 3, 9, false},  {300, 5, 0, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.height);
        uo_qq_panel &p = only(c.nodes, c.height);
        EXPECT_EQ(p.of_calc("ButtonsCanShow"), c.count);
        EXPECT_EQ(static_cast<long>(shown(p).size()), std::min<long>(c.count, c.nodes));
        EXPECT_EQ(p.cb_down.Visible(), c.down);
        EXPECT_FALSE(p.cb_up.Visible());
        TearDown();
        SetUp();
    }
}

TEST_F(Panel, AGroupWithoutButtonsShowsOnlyItsHeader)
{
    uo_qq_panel &p = only(0);
    EXPECT_EQ(p.firstnodeonpage, 0);
    EXPECT_TRUE(shown(p).empty());
    EXPECT_EQ(p.uo_header.of_text(), "Group 1");
    bar().SetHeight(2000);
    bar().of_resize();
    EXPECT_TRUE(shown(p).empty());
    EXPECT_FALSE(p.cb_up.Visible());
    EXPECT_FALSE(p.cb_down.Visible());
}

TEST_F(Panel, ASlotReportsTheNodeItShowsNow)
{
    uo_qq_panel &p = only(20);
    for (int k = 0; k < 3; ++k)
        p.cb_down.clicked.Trigger();
    mouse.Click(p.uo_btn1, 100, 100);
    mouse.Click(p.uo_btn2, 100, 100);
    using Click = std::pair<String, String>;
    EXPECT_EQ(w_bar->clicks, (std::vector<Click>{{"g1", "g1.4"}, {"g1", "g1.5"}}));
}

TEST_F(Panel, DeactivatingEndsAPressSoTheReleaseRaisesNoClick)
{
    uo_qq_panel &p = only(3);
    mouse.GlideTo(p.uo_btn3, 100, 100);
    mouse.Press();
    bar().ue_deactivate.Trigger();
    EXPECT_FALSE(p.uo_btn3.ib_clicked);
    EXPECT_EQ(GetCapture(), 0u);
    mouse.Release();
    EXPECT_TRUE(w_bar->clicks.empty());
}
