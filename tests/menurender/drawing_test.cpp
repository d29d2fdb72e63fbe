// Drawing items onto an image: check marks, framed rectangles, gradients,
// the plain backgrounds, the highlighted looks and the draw-item dispatch.
#include "menurender_support.h"

#include "runtime/win32/icons.h"
#include "menurender/nvo_supermenu_itemtext.h"

using namespace runtime;

namespace {

const long kGround = RGB(1, 2, 3);

// Whether some pixel is within tolerance of colour in each component: text
// is drawn smoothed, so its edges blend with what lies under it.
bool containsNear(const Canvas &canvas, QRect area, long colour, int tolerance = 40)
{
    const QColor wanted = ToQColor(colour);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = canvas.image.pixelColor(x, y);
            if (std::abs(c.red() - wanted.red()) <= tolerance && std::abs(c.green() - wanted.green()) <= tolerance &&
                std::abs(c.blue() - wanted.blue()) <= tolerance)
                return true;
        }
    return false;
}

long grey(int value) { return RGB(value, value, value); }

// A red square icon, freed with the fixture.
struct RedIcon {
    RedIcon()
    {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::red);
        handle = IconFromImage(image);
    }
    ~RedIcon() { DestroyIcon(handle); }
    IconHandle handle;
};

class Drawing : public testing::Test {
protected:
    ust_menuinfo rowOf(MenuItem &item, IconHandle icon = 0, const char *shortcut = "")
    {
        ust_menuinfo row;
        row.menupt = &item;
        row.alive = item.action();
        row.hicon = icon;
        row.shortcutkey = shortcut;
        row.level = 1;
        return row;
    }
    w_render_host host;
    m_render &menu = host.menu();
    nvo_supermenu_class renderer;
    RedIcon icon;
};

TEST_F(Drawing, ShownTextIsCutAtItsTabAndIndentedOnWhite)
{
    struct Case {
        const char *text;
        int bkstyle;
        const char *shown;
    };
    const Case cases[] = {{"Copy", nvo_supermenu_class::style_bkwhite, " Copy"},
                          {"-", nvo_supermenu_class::style_bkwhite, "-"},
                          {"Open\tCtrl+O", nvo_supermenu_class::style_bknormal, "Open"},
                          {"Open\tCtrl+O", nvo_supermenu_class::style_bkwhite, " Open"},
                          {"Copy", nvo_supermenu_class::style_bkgray, "Copy"}};
    for (const Case &c : cases) {
        menu.m_copy.SetText(c.text);
        EXPECT_EQ(of_itemtext(rowOf(menu.m_copy), c.bkstyle), c.shown) << c.text << " " << c.bkstyle;
    }
}

TEST_F(Drawing, CheckBoxSitsAtAFixedPlaceBelowTheItemsTopLeft)
{
    Canvas canvas(30, 30);
    renderer.of_drawchecked(canvas.hdc, tagrect{0, 0, 30, 20});
    const long caption = GetSysColor(SystemColor::ActiveCaption), highlight = GetSysColor(SystemColor::Highlight);
    EXPECT_EQ(canvas.at(10, 7), caption);  // top of the frame
    EXPECT_EQ(canvas.at(10, 15), caption); // bottom
    EXPECT_EQ(canvas.at(6, 11), caption);  // left
    EXPECT_EQ(canvas.at(15, 11), caption); // right
    EXPECT_EQ(canvas.at(10, 16), kGround);
    EXPECT_EQ(canvas.at(16, 11), kGround);
    EXPECT_EQ(canvas.at(8, 9), highlight); // the square, right and bottom exclusive
    EXPECT_EQ(canvas.at(13, 13), highlight);
    EXPECT_EQ(canvas.at(14, 13), RGB(255, 255, 255)); // the context's brush inside the frame
}

TEST_F(Drawing, FramedRectangleOfOneColourIsOneSolidBlock)
{
    Canvas canvas(20, 20);
    renderer.of_xprect(canvas.hdc, tagrect{2, 3, 10, 8}, RGB(9, 9, 9), RGB(9, 9, 9));
    EXPECT_EQ(canvas.at(2, 3), RGB(9, 9, 9));
    EXPECT_EQ(canvas.at(9, 7), RGB(9, 9, 9));
    EXPECT_EQ(canvas.at(10, 7), kGround);
    EXPECT_EQ(canvas.at(9, 8), kGround);
}

TEST_F(Drawing, GradientsBandByBand)
{
    // From black to grey 100: the component each row or column ends with.
    struct Case {
        int menustyle;
        int width, height;
        bool across; // columns rather than rows
        std::vector<std::pair<int, int>> expected; // position, grey value
    };
    const Case cases[] = {
        // 29 bands of 3 pixels: 3, 6, ... 87, the last 13 pixels as band 29.
        {nvo_supermenu_class::style_gradient, 100, 4, true, {{0, 3}, {3, 6}, {86, 87}, {99, 87}}},
        // Narrower than 29 pixels: all of it as band 29.
        {nvo_supermenu_class::style_normal, 20, 4, true, {{0, 87}, {19, 87}}},
        // 19 bands of one row, step 5, the last row as band 19.
        {nvo_supermenu_class::style_vgradient, 4, 20, false, {{0, 5}, {18, 95}, {19, 95}}},
        // From grey 100 back to black over the upper half, then band 10.
        {nvo_supermenu_class::style_vheadergradient, 4, 20, false, {{0, 90}, {9, 0}, {10, 0}, {19, 0}}},
        // From both edges towards the middle.
        {nvo_supermenu_class::style_vedgegradient, 4, 20, false, {{0, 90}, {9, 0}, {10, 0}, {18, 80}, {19, 90}}},
        // 25 rows: rows 9 to 15 in band 10.
        {nvo_supermenu_class::style_vedgegradient, 4, 25, false, {{8, 10}, {9, 0}, {15, 0}, {16, 10}, {24, 90}}},
        // Lower than 20 rows: painted over ten times, ending in band 10.
        {nvo_supermenu_class::style_vedgegradient, 4, 15, false, {{0, 0}, {14, 0}}},
    };
    for (const Case &c : cases) {
        renderer.menustyle = c.menustyle;
        Canvas canvas(c.width, c.height);
        renderer.of_fillwithgradient(canvas.hdc, tagrect{0, 0, c.width, c.height}, grey(0), grey(100));
        for (auto [position, value] : c.expected)
            EXPECT_EQ(c.across ? canvas.at(position, 1) : canvas.at(1, position), grey(value))
                << "style " << c.menustyle << " height " << c.height << " at " << position;
    }
}

TEST_F(Drawing, GradientStepsFollowTheirSign)
{
    Canvas canvas(29, 2);
    renderer.of_fillwithgradient(canvas.hdc, tagrect{0, 0, 29, 2}, RGB(100, 50, 7), RGB(0, 50, 20));
    EXPECT_EQ(canvas.at(0, 0), RGB(97, 50, 7)); // red falls by 3, green and blue keep their start
    EXPECT_EQ(canvas.at(28, 0), RGB(13, 50, 7));
}

TEST_F(Drawing, PlainBackgrounds)
{
    struct Case {
        int bkstyle;
        long item, column, border; // border: -1 for none
    };
    const Case cases[] = {
        {nvo_supermenu_class::style_bknormal, GetSysColor(SystemColor::Menu), GetSysColor(SystemColor::Menu), -1},
        {nvo_supermenu_class::style_bkwhite, RGB(255, 255, 255), RGB(240, 240, 240), RGB(200, 200, 200)},
        {nvo_supermenu_class::style_bkgray, RGB(221, 227, 235), RGB(156, 171, 186), RGB(127, 136, 147)},
        {nvo_supermenu_class::style_bkgray_xp, RGB(255, 255, 255), grey(192), RGB(127, 136, 147)},
        {nvo_supermenu_class::style_bkamb, RGB(255, 255, 255), GetSysColor(SystemColor::ButtonFace), -1},
        {5, GetSysColor(SystemColor::Menu), GetSysColor(SystemColor::Menu), -1},
    };
    const ust_menuinfo row = rowOf(menu.m_copy);
    for (const Case &c : cases) {
        Canvas canvas(120, 24);
        renderer.menubkstyle = c.bkstyle;
        tagrect rect{0, 0, 120, 24};
        renderer.of_drawnormalitem(c.bkstyle, canvas.hdc, rect, row);
        EXPECT_EQ(canvas.at(100, 22), c.item) << c.bkstyle;
        EXPECT_EQ(canvas.at(10, 22), c.column) << c.bkstyle;
        if (c.border != -1) {
            EXPECT_EQ(canvas.at(0, 22), c.border) << c.bkstyle;
            EXPECT_EQ(canvas.at(20, 22), c.border) << c.bkstyle;
        }
        EXPECT_EQ(rect.left, 24);
        EXPECT_EQ(rect.top, 4);
        EXPECT_EQ(rect.right, 120);
    }
}

TEST_F(Drawing, GrayColumnsMarkTheTopOfTheMenuWhicheverItemIsDrawn)
{
    Canvas canvas(120, 60);
    tagrect rect{0, 30, 120, 52};
    renderer.of_drawnormalitem(nvo_supermenu_class::style_bkgray, canvas.hdc, rect, rowOf(menu.m_copy));
    EXPECT_EQ(canvas.at(5, 0), RGB(127, 136, 147));
    EXPECT_EQ(canvas.at(18, 0), RGB(127, 136, 147));
    EXPECT_EQ(canvas.at(19, 0), kGround);
}

TEST_F(Drawing, CheckMarkOrIconOfAPlainItem)
{
    const long highlight = GetSysColor(SystemColor::Highlight);
    struct Case {
        bool enabled, checked;
        long atIcon, atCheck;
    };
    const Case cases[] = {
        {true, false, RGB(255, 0, 0), RGB(255, 0, 0)},
        {true, true, GetSysColor(SystemColor::Menu), highlight},
        // Disabled: no check mark, the icon embossed.
        {false, true, GetSysColor(SystemColor::ButtonShadow), GetSysColor(SystemColor::ButtonShadow)},
    };
    for (const Case &c : cases) {
        menu.m_copy.SetEnabled(c.enabled);
        menu.m_copy.SetChecked(c.checked);
        Canvas canvas(120, 24);
        tagrect rect{0, 0, 120, 24};
        renderer.of_drawnormalitem(0, canvas.hdc, rect, rowOf(menu.m_copy, icon.handle));
        EXPECT_EQ(canvas.at(4, 4), c.atIcon) << c.enabled << c.checked;
        EXPECT_EQ(canvas.at(10, 11), c.atCheck) << c.enabled << c.checked;
    }
}

TEST_F(Drawing, DisabledSeparatorLines)
{
    menu.m_line.SetEnabled(false);
    const long menuColour = GetSysColor(SystemColor::Menu);
    {
        renderer.menubkstyle = nvo_supermenu_class::style_bkgray;
        Canvas canvas(120, 60);
        tagrect rect{10, 40, 110, 47};
        renderer.of_drawnormalitem(renderer.menubkstyle, canvas.hdc, rect, rowOf(menu.m_line));
        EXPECT_EQ(canvas.at(32, 43), RGB(172, 168, 153));
        EXPECT_EQ(canvas.at(109, 43), RGB(172, 168, 153));
        EXPECT_EQ(canvas.at(31, 43), RGB(221, 227, 235));
        EXPECT_EQ(canvas.at(60, 44), RGB(221, 227, 235));
    }
    {
        renderer.menubkstyle = nvo_supermenu_class::style_bknormal;
        Canvas canvas(120, 60);
        tagrect rect{10, 40, 110, 47};
        renderer.of_drawnormalitem(renderer.menubkstyle, canvas.hdc, rect, rowOf(menu.m_line));
        EXPECT_EQ(canvas.at(6, 43), grey(128)) << "from four pixels left of the item";
        EXPECT_EQ(canvas.at(108, 43), grey(128));
        EXPECT_EQ(canvas.at(109, 43), menuColour);
        EXPECT_EQ(canvas.at(6, 44), grey(255));
        EXPECT_EQ(canvas.at(108, 44), grey(255));
    }
    // An enabled "-" item has no line.
    menu.m_line.SetEnabled(true);
    Canvas canvas(120, 60);
    tagrect rect{10, 40, 110, 47};
    renderer.of_drawnormalitem(0, canvas.hdc, rect, rowOf(menu.m_line));
    EXPECT_EQ(canvas.at(60, 43), menuColour);
}

TEST_F(Drawing, TextIsPlainOrEmbossed)
{
    const long blue = RGB(0, 0, 255), black = GetSysColor(SystemColor::MenuText);
    const QRect text(0, 0, 120, 24);
    {
        Canvas canvas(120, 24, blue);
        renderer.of_drawtext(canvas.hdc, "HHH", "", tagrect{0, 0, 120, 24}, true);
        EXPECT_TRUE(containsNear(canvas, text, black));
    }
    {
        Canvas canvas(120, 24, blue);
        renderer.of_drawtext(canvas.hdc, "HHH", "", tagrect{0, 0, 120, 24}, false);
        EXPECT_TRUE(containsNear(canvas, text, GetSysColor(SystemColor::ButtonShadow)));
        EXPECT_TRUE(containsNear(canvas, text, GetSysColor(SystemColor::ButtonHighlight)));
        EXPECT_FALSE(containsNear(canvas, text, black));
    }
    // The shortcut key ends 12 pixels short of the right edge.
    Canvas canvas(120, 24, blue);
    renderer.of_drawtext(canvas.hdc, "", "HHH", tagrect{0, 0, 120, 24}, true);
    EXPECT_TRUE(containsNear(canvas, QRect(90, 0, 18, 24), black));
    EXPECT_FALSE(containsNear(canvas, QRect(108, 0, 12, 24), black));
    EXPECT_FALSE(containsNear(canvas, QRect(0, 0, 60, 24), black));
}

TEST_F(Drawing, HighlightedLooks)
{
    const long highlight = GetSysColor(SystemColor::Highlight);
    struct Probe {
        int x, y;
        long colour;
    };
    struct Case {
        int style, menustyle;
        bool withIcon;
        std::vector<Probe> probes;
    };
    // The item spans 10 to 109 across and 0 to 23 down.
    const Case cases[] = {
        {1, 1, false, {{10, 22, 0}, {109, 22, 0}}},
        {2, 2, false, {{10, 22, highlight}, {108, 22, highlight}, {109, 22, kGround}}},
        {2, 2, true, {{32, 22, highlight}, {31, 22, kGround}, {11, 5, grey(255)}, {30, 5, grey(128)}, {20, 10, kGround}}},
        {3, 3, false, {{0, 22, GetSysColor(SystemColor::Background)}, {108, 22, GetSysColor(SystemColor::Background)}}},
        {4, 4, false, {{10, 22, RGB(0, 200, 0)}, {108, 22, RGB(0, 200, 0)}}},
        {8, 10, false, {{10, 0, grey(0)}, {50, 22, grey(192)}}},
        {9, 9, false, {{10, 0, RGB(255, 131, 6)}, {50, 22, RGB(255, 196, 136)}}},
        {11, 11, false,
         {{50, 0, kGround}, {50, 1, grey(0)}, {32, 10, grey(0)}, {31, 10, kGround}, {107, 10, grey(0)},
          {108, 10, kGround}, {50, 22, grey(0)}, {50, 23, kGround}, {100, 15, GetSysColor(SystemColor::InfoBackground)}}},
        {0, 1, true, {{14, 10, kGround}, {100, 22, kGround}}},
        {12, 1, false, {{100, 22, kGround}}},
    };
    renderer.color_start = renderer.color_end = RGB(0, 200, 0);
    for (const Case &c : cases) {
        renderer.menustyle = c.menustyle;
        Canvas canvas(120, 24);
        tagrect rect{10, 0, 110, 24};
        renderer.of_drawselectitem(c.style, canvas.hdc, rect, rowOf(menu.m_copy, c.withIcon ? icon.handle : 0));
        for (const Probe &p : c.probes)
            EXPECT_EQ(canvas.at(p.x, p.y), c.style == 1 ? highlight : p.colour)
                << "style " << c.style << " at " << p.x << "," << p.y;
        EXPECT_EQ(rect.left, 34);
        EXPECT_EQ(rect.top, 4);
        EXPECT_EQ(rect.right, 98);
        EXPECT_EQ(rect.bottom, 24);
    }
}

TEST_F(Drawing, HighlightedCheckedItemShowsItsCheckBoxNotItsIcon)
{
    menu.m_copy.SetChecked(true);
    Canvas canvas(120, 24);
    tagrect rect{0, 0, 120, 24};
    renderer.of_drawselectitem(1, canvas.hdc, rect, rowOf(menu.m_copy, icon.handle));
    EXPECT_EQ(canvas.at(10, 7), GetSysColor(SystemColor::ActiveCaption));
    EXPECT_EQ(canvas.at(4, 4), GetSysColor(SystemColor::Highlight));
}

TEST_F(Drawing, HighlightedTextInTheHighlightTextColour)
{
    Canvas canvas(120, 24);
    tagrect rect{0, 0, 120, 24};
    renderer.of_drawselectitem(1, canvas.hdc, rect, rowOf(menu.m_copy));
    EXPECT_TRUE(containsNear(canvas, QRect(24, 4, 60, 20), GetSysColor(SystemColor::HighlightText)));
    EXPECT_FALSE(containsNear(canvas, QRect(0, 0, 24, 24), GetSysColor(SystemColor::HighlightText)));
}

TEST_F(Drawing, EveryPenAndBrushMadeIsGivenBack)
{
    menu.m_copy.SetChecked(true);
    menu.m_line.SetEnabled(false);
    Canvas canvas(120, 24);
    const int live = LiveGdiObjects();
    for (int style = 0; style <= 12; ++style) {
        renderer.menustyle = style;
        renderer.menubkstyle = style % 5;
        for (MenuItem *item : {&menu.m_copy, &menu.m_line}) {
            tagrect rect{0, 0, 120, 24};
            renderer.of_drawselectitem(style, canvas.hdc, rect, rowOf(*item, icon.handle));
            rect = tagrect{0, 0, 120, 24};
            renderer.of_drawnormalitem(style % 5, canvas.hdc, rect, rowOf(*item, icon.handle));
        }
    }
    EXPECT_EQ(LiveGdiObjects(), live);
}

class Dispatch : public Drawing {
protected:
    void SetUp() override { renderer.of_registerwindow(host); }
    // Draws item data in state onto a fresh canvas.
    Canvas draw(unsigned long itemData, unsigned long state)
    {
        Canvas canvas(120, 24);
        const DrawItemRecord record = DrawItem(renderer, canvas, itemData, state);
        EXPECT_EQ(record.rcItem.left, 0) << "the request's record is left as it came";
        EXPECT_EQ(record.rcItem.right, 120);
        return canvas;
    }
};

TEST_F(Dispatch, UnknownItemsAndHighlightedDisabledItemsDrawNothing)
{
    for (unsigned long itemData : {0ul, 99ul})
        EXPECT_EQ(draw(itemData, 0).at(100, 22), kGround) << itemData;
    EXPECT_EQ(draw(2, kItemSelected).at(100, 22), kGround) << "the separator is disabled";

    unsigned long childid = 0;
    long nothing = 987654;
    EXPECT_EQ(renderer.of_drawitem(childid, nothing), 0);
}

TEST_F(Dispatch, OnlyTheSelectedBitChoosesTheHighlightedLook)
{
    EXPECT_EQ(draw(4, kItemSelected).at(100, 22), GetSysColor(SystemColor::Highlight));
    for (unsigned long state : {0ul, 2ul, 4ul, 8ul, 16ul, 30ul})
        EXPECT_EQ(draw(4, state).at(100, 22), GetSysColor(SystemColor::Menu)) << state;
}

TEST(DispatchAfterTheMenu, ItemsOfAMenuThatIsGoneAreNeitherMeasuredNorDrawn)
{
    nvo_supermenu_class renderer;
    {
        w_render_host host;
        renderer.of_registerwindow(host);
    }
    ASSERT_EQ(renderer.items().size(), 6u);
    EXPECT_EQ(renderer.of_find_bymenuid("m_copy"), 0);

    Canvas canvas(120, 24);
    DrawItem(renderer, canvas, 4);
    EXPECT_EQ(canvas.at(100, 22), kGround);
    EXPECT_EQ(MeasureItem(renderer, 4).itemWidth, 111u);
}

} // namespace
