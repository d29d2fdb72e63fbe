// The toolbar on a window of its own: caption placements and the height they
// give, picture sizes, disabled items, check and radio buttons, sub-items,
// the button's geometry and the tooltip texts.
#include "runtime/ui/openuserobject.h"
#include "runtime/win32/gdi.h"
#include "test_windows.h"
#include "toolbar_support.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

GlobalWindow<w_toolbar_host> host;

class Toolbar : public testing::Test {
protected:
    void SetUp() override { Open(host); }
    void TearDown() override { CloseAllWindows(); }
    uo_toolbar &bar() { return host->uo_1; }
    m_test &menu() { return host->menu(); }
    uo_toolbar_button &button(int i) { return *bar().iuo_buttons.at(i - 1); }
    // Reads the menu as the frame does, with the placement given.
    void build(const String &align, int size = 16)
    {
        bar().of_setalign(align);
        bar().of_setbuttonsize(size);
        bar().of_readmenu(host->MenuID());
        bar().of_hidebottom();
        bar().of_draw();
    }
};

} // namespace

TEST_F(Toolbar, PlacementSetsTheButtonsAndTheHeight)
{
    struct Case {
        const char *given, *placement;
        int buttonHeight;
        bool bottomLine;
    };
    for (const Case c : {Case{"botton", "Bottom", 166, true}, Case{"right", "Bottom", 166, true},
                         Case{"Right", "Right", 110, true}, Case{"None", "None", 104, false}}) {
        SCOPED_TRACE(c.given);
        CloseAllWindows();
        Open(host);
        menu().add("退出", "Exit!", "退出系统", 1);
        menu().add("关于", "AlignLeft!", "关于本软件");
        build(c.given);
        EXPECT_EQ(bar().textalign, c.placement);
        EXPECT_EQ(button(1).textalign, c.placement);
        EXPECT_EQ(button(1).Height(), c.buttonHeight);
        EXPECT_EQ(bar().Height(), c.buttonHeight + 25);
        EXPECT_EQ(bar().uo_bottomline.Visible(), c.bottomLine);
        EXPECT_EQ(button(2).st_caption.Visible(), c.placement != String("None"));
    }
}

TEST_F(Toolbar, ChangingThePlacementOfABuiltRowLaysItOutAgain)
{
    menu().add("a", "Exit!", "退出系统", 1);
    menu().add("b", "", "", 2); // a spacer without a button
    menu().add("c", "AlignLeft!", "显示导航栏", 1);
    build("Bottom");
    ASSERT_EQ(bar().iuo_spaces.size(), 3u);
    const int lone = bar().iuo_spaces[1]->X();

    bar().of_setalign("None");
    EXPECT_FALSE(bar().uo_bottomline.Visible());
    EXPECT_EQ(button(1).Width(), 113);
    EXPECT_EQ(bar().iuo_spaces[0]->X(), 40);
    EXPECT_EQ(bar().iuo_spaces[0]->Height(), 104 - 10);
    EXPECT_EQ(button(1).X(), 40 + 18 + 3);
    EXPECT_EQ(bar().iuo_spaces[2]->X(), 61 + 113 + 3); // its own button's spacer
    EXPECT_EQ(button(2).X(), 177 + 18 + 3);
    EXPECT_EQ(bar().iuo_spaces[1]->X(), lone); // stays where it was
    EXPECT_EQ(bar().minwidth, 198 + 113 + 3);
    EXPECT_EQ(bar().Height(), 129);

    // The same placement again moves nothing; a new one shows the line again.
    button(1).SetX(999);
    bar().of_setalign("None");
    EXPECT_EQ(button(1).X(), 999);
    bar().of_setalign("Right");
    EXPECT_TRUE(bar().uo_bottomline.Visible());
    EXPECT_EQ(button(1).X(), 61);
}

TEST_F(Toolbar, WhatTheMenuGivesAndWhatItDoesNot)
{
    // No menu: the toolbar hides itself and opens nothing.
    bar().of_readmenu(nullptr);
    EXPECT_FALSE(bar().Visible());
    EXPECT_TRUE(bar().iuo_buttons.empty());
    EXPECT_EQ(bar().minwidth, 0);
    EXPECT_EQ(bar().Height(), 25);

    // A menu whose items have no items: the 40 units before the row.
    bar().SetVisible(true);
    bar().of_readmenu(host->MenuID());
    EXPECT_EQ(bar().minwidth, 40);

    // Hidden items still get their buttons; texts lose their blanks, the
    // picture name keeps them.
    MenuItem &item = menu().add("a", " Exit! ", "  退出系统 ");
    item.SetVisible(false);
    item.ToolbarItemVisible = false;
    item.MicroHelp = " 退出 ";
    bar().of_readmenu(host->MenuID());
    ASSERT_EQ(bar().iuo_buttons.size(), 1u);
    EXPECT_EQ(button(1).buttontext, "退出系统");
    EXPECT_EQ(button(1).tooltip, "退出");
    EXPECT_EQ(button(1).picture_name, " Exit! ");
    EXPECT_EQ(button(1).picture_size, 32); // never given a size
}

TEST_F(Toolbar, ButtonSizeIs24Or16)
{
    for (const auto &[given, pixels] : {std::pair{24, 24}, {16, 16}, {32, 16}, {0, 16}}) {
        bar().of_setbuttonsize(given);
        EXPECT_EQ(bar().picture_size, pixels) << given;
    }
    menu().add("a", "Exit!", "退出系统");
    bar().of_setbuttonsize(24);
    bar().of_readmenu(host->MenuID());
    EXPECT_EQ(button(1).plb_1.widget()->width(), 24);
    EXPECT_EQ(button(1).plb_1.Height(), 96);
}

TEST_F(Toolbar, ADisabledItemGivesADisabledButtonThatRunsNothing)
{
    int runs = 0;
    MenuItem &item = menu().add("a", "Exit!", "退出系统");
    item.SetEnabled(false);
    item.clicked = [&] { ++runs; };
    build("Bottom");
    EXPECT_FALSE(button(1).Enabled());
    EXPECT_FALSE(bar().of_getenabled(1));
    EXPECT_FALSE(bar().of_getenabled(0));
    ClickButton(button(1).widget());
    EXPECT_EQ(runs, 0);

    bar().of_setenabled(1, true);
    EXPECT_TRUE(item.Enabled());
    EXPECT_EQ(button(1).st_caption.TextColor(), 0);
    ClickButton(button(1).widget());
    EXPECT_EQ(runs, 1);

    // Through the item: nothing when the item already has the state.
    button(1).of_enabled(false);
    bar().of_setenabled(&item, true);
    EXPECT_FALSE(button(1).Enabled());
    bar().of_setenabled(&item, false);
    bar().of_setenabled(&item, true);
    EXPECT_TRUE(button(1).Enabled());
    bar().of_setenabled(0, false); // no such button
    EXPECT_TRUE(item.Enabled());
}

TEST_F(Toolbar, CheckAndRadioButtonsFromTheTags)
{
    MenuItem &check = menu().add("c", "Exit!", "退出系统");
    check.Tag = "CHECKED";
    std::vector<bool> seen;
    check.clicked = [&] { seen.push_back(check.Checked()); };
    MenuItem &r1 = menu().add("r1", "AlignLeft!", "隐藏导航栏");
    r1.Tag = "RadioGroup2";
    r1.SetChecked(true);
    MenuItem &r2 = menu().add("r2", "AlignRight!", "显示导航栏");
    r2.Tag = "radiogroup2";
    MenuItem &plain = menu().add("p", "Application!", "套餐练习");
    plain.Tag = "check";
    build("Bottom");

    EXPECT_EQ(button(1).buttontype, "Checked");
    EXPECT_EQ(button(2).buttontype, "RadioButton");
    EXPECT_EQ(button(2).radiogroup, 2);
    EXPECT_TRUE(button(2).checked);
    EXPECT_EQ(button(4).buttontype, "Normal");

    // A check button toggles, and its item knows before its script runs.
    ClickButton(button(1).widget());
    ClickButton(button(1).widget());
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));

    // A radio button releases the other of its group; clicking the checked
    // one keeps it checked.
    ClickButton(button(3).widget());
    EXPECT_TRUE(button(3).checked);
    EXPECT_FALSE(button(2).checked);
    ClickButton(button(3).widget());
    EXPECT_TRUE(button(3).checked);
    // A checked button keeps its pressed look under the hot and flat looks.
    const long pressed = button(3).ln_top.LineColor();
    button(3).of_drawbutton("Up");
    button(3).of_drawbutton("Flat");
    EXPECT_EQ(button(3).ln_top.LineColor(), pressed);
    EXPECT_EQ(pressed, RGB(128, 128, 128));
}

TEST_F(Toolbar, AnItemWithSubItemsDropsThemDownBelowTheButton)
{
    MenuItem &parent = menu().add("p", "Exit!", "退出系统");
    MenuItem sub(parent, "m_sub");
    sub.SetText("sub");
    int runs = 0;
    parent.clicked = [&] { ++runs; };
    build("Bottom");
    EXPECT_TRUE(button(1).childmenu);
    EXPECT_TRUE(button(1).uo_triangle.Visible());
    EXPECT_EQ(button(1).Width(), 254); // the triangle does not count below

    QPoint poppedAt;
    QTimer::singleShot(0, [&] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            poppedAt = popup->pos();
            popup->close();
        }
    });
    ClickButton(button(1).widget());
    EXPECT_EQ(runs, 0);
    const QPoint corner = host->Canvas()->mapToGlobal(
        QPoint(button(1).widget()->x(), button(1).widget()->y() + button(1).widget()->height()));
    EXPECT_LE((poppedAt - corner).manhattanLength(), 2);
    EXPECT_EQ(button(1).ln_top.LineColor(), button(1).BackColor()); // flat again
}

TEST_F(Toolbar, ButtonGeometryPerPlacement)
{
    struct Case {
        const char *align, *caption;
        bool triangle;
        int width, height, px, py, cx, cy, tx, ty;
    };
    const Case cases[] = {
        {"None", "套餐练习", false, 113, 104, 25, 25, -1, -1, -1, -1},
        {"None", "套餐练习", true, 175, 104, 35, 25, -1, -1, 123, 47},
        {"Right", "套餐练习", true, 419, 110, 31, 28, 134, 29, 363, 49},
        {"Right", "", false, 240, 110, 63, 28, 166, 29, -1, -1},
        {"Bottom", "", false, 240, 166, 83, 25, 120, 99, -1, -1},
        {"Bottom", "Abcd", false, 240, 166, 83, 25, 64, 99, -1, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.align) + (c.triangle ? " with triangle " : " ") + c.caption);
        uo_toolbar_button *b = nullptr;
        OpenUserObject(*host, b, "uo_toolbar_button", 0, 0);
        b->buttontext = c.caption;
        b->textalign = c.align;
        b->of_childmenu(c.triangle);
        b->constructor.Trigger();
        EXPECT_EQ(b->Width(), c.width);
        EXPECT_EQ(b->Height(), c.height);
        EXPECT_EQ(b->plb_1.X(), c.px);
        EXPECT_EQ(b->plb_1.Y(), c.py);
        if (c.cx >= 0) {
            EXPECT_EQ(b->st_caption.X(), c.cx);
            EXPECT_EQ(b->st_caption.Y(), c.cy);
        }
        if (c.tx >= 0) {
            EXPECT_EQ(b->uo_triangle.X(), c.tx);
            EXPECT_EQ(b->uo_triangle.Y(), c.ty);
        }
        // Pressed: everything 5 units right and down; the right border line
        // stands one unit further in and runs the full height.
        b->of_drawbutton("Down");
        EXPECT_EQ(b->plb_1.X(), c.px + 5);
        EXPECT_EQ(b->uo_triangle.Y(), b->ii_ty + 5);
        b->of_drawbutton("Up");
        EXPECT_EQ(b->plb_1.X(), c.px);
        EXPECT_EQ(b->ln_top.EndX(), c.width - 3);
        EXPECT_EQ(b->ln_right.BeginX(), c.width - 4);
        EXPECT_EQ(b->ln_right.EndY(), c.height);
        EXPECT_EQ(b->ln_left.EndY(), c.height - 4);
    }
}

TEST_F(Toolbar, LooksTakeTheBackColourAndIgnoreUnknownNames)
{
    menu().add("a", "Exit!", "退出系统");
    build("Bottom");
    uo_toolbar_button &b = button(1);
    EXPECT_EQ(b.ln_top.LineColor(), host->BackColor());
    b.of_drawbutton("down");
    b.of_drawbutton("");
    EXPECT_EQ(b.ln_top.LineColor(), host->BackColor());
    b.of_setbkcolor(RGB(1, 2, 3));
    EXPECT_EQ(b.ln_top.LineColor(), host->BackColor()); // until the next flat
    b.of_drawbutton("Flat");
    for (const Line *line : {&b.ln_top, &b.ln_left, &b.ln_bottom, &b.ln_right})
        EXPECT_EQ(line->LineColor(), RGB(1, 2, 3));
}

// Colours in the picture box as painted: how many pixels are far from grey.
static int colouredPixels(uo_toolbar_button &b)
{
    const QImage image = b.widget()->grab().toImage();
    const QRect box = b.plb_1.widget()->geometry();
    int coloured = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            coloured += std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 40;
        }
    return coloured;
}

TEST_F(Toolbar, ADisabledButtonIsDrawnGreyedOnEveryPaintAndLeavesNothingBehind)
{
    menu().add("a", "Exit!", "退出系统").SetEnabled(false);
    build("Bottom");
    uo_toolbar_button &b = button(1);
    QCoreApplication::processEvents(); // the paints, then the drawing over them
    b.widget()->grab();
    QCoreApplication::processEvents();
    EXPECT_EQ(colouredPixels(b), 0);
    // The caption's embossed shadow copy is there in the shadow grey.
    const QImage caption = b.widget()->grab(b.st_caption.widget()->geometry()).toImage();
    bool shadow = false;
    for (int y = 0; y < caption.height() && !shadow; ++y)
        for (int x = 0; x < caption.width() && !shadow; ++x)
            shadow = caption.pixelColor(x, y) == QColor(128, 128, 128);
    EXPECT_TRUE(shadow);

    const int live = LiveGdiObjects();
    for (int i = 0; i < 20; ++i)
        b.of_drawdisabled();
    EXPECT_EQ(LiveGdiObjects(), live);
    EXPECT_EQ(b.plb_1.BackColor(), b.BackColor());

    // Enabled again: the picture in its own colours.
    bar().of_setenabled(1, true);
    QCoreApplication::processEvents();
    EXPECT_GT(colouredPixels(b), 0);
}
