// Registering a window's menus, alongside its menu handles or from the
// handles alone, with the system menu and a window list among the items; the
// item table and its lookups, the renderer's colours and what it frees.
#include "menurender_support.h"

#include "runtime/win32/icons.h"
#include "runtime/win32/menus.h"

using namespace runtime;

namespace {

class Registration : public testing::Test {
protected:
    w_render_host host;
    m_render &menu = host.menu();
};

TEST_F(Registration, PopupItemsGetRowsInDepthFirstOrderAndTheBarStaysAsItIs)
{
    nvo_supermenu_class renderer;
    renderer.of_registerwindow(host);

    struct Row {
        MenuItem *item;
        const char *name, *shortcut;
        int level;
    };
    const Row expected[] = {{&menu.m_open, "Open", "Ctrl+O", 1}, {&menu.m_line, "-", "", 1},
                            {&menu.m_exit, "Exit", "", 1},       {&menu.m_copy, "Copy", "", 1},
                            {&menu.m_more, "More", "", 1},       {&menu.m_deep, "Deep", "", 2}};
    ASSERT_EQ(renderer.items().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const ust_menuinfo &row = renderer.items()[i];
        EXPECT_EQ(row.itemid, i + 1);
        EXPECT_EQ(row.menupt, expected[i].item);
        EXPECT_EQ(row.itemname, expected[i].name);
        EXPECT_EQ(row.shortcutkey, expected[i].shortcut);
        EXPECT_EQ(row.level, expected[i].level);
    }

    // The pop-up items are owner-drawn and carry their ids; the bar's are not.
    const MenuHandle bar = GetMenu(host);
    MenuItemInfo info;
    ASSERT_TRUE(GetMenuItemInfo(bar, 0, info));
    EXPECT_EQ(info.type, 0u);
    EXPECT_EQ(info.itemData, 0u);
    const MenuHandle edit = GetSubMenu(bar, 1);
    EXPECT_EQ(GetMenuItemCount(edit), 2); // the hidden item takes no position
    ASSERT_TRUE(GetMenuItemInfo(edit, 1, info));
    EXPECT_EQ(info.type, kMenuOwnerDraw);
    EXPECT_EQ(info.itemData, 5u); // More, after the hidden item
    // A "-" entry is disabled.
    EXPECT_FALSE(menu.m_line.Enabled());
}

// The type and item data of each item of a menu handle, top down.
std::vector<std::pair<unsigned long, unsigned long>> typesAndData(MenuHandle menu)
{
    std::vector<std::pair<unsigned long, unsigned long>> all;
    for (int p = 0; p < GetMenuItemCount(menu); ++p) {
        MenuItemInfo info;
        GetMenuItemInfo(menu, p, info);
        all.emplace_back(info.type, info.itemData);
    }
    return all;
}

using Marks = std::vector<std::pair<unsigned long, unsigned long>>;
constexpr unsigned long kOwn = kMenuOwnerDraw;

TEST_F(Registration, TheSystemMenuAmongTheItemsIsPassedOver)
{
    // As a frame shows a maximised sheet's system menu at the front of its
    // bar; here it stands among a pop-up's items as well.
    const MenuHandle bar = GetMenu(host), system = GetSystemMenu(host);
    const MenuHandle file = GetSubMenu(bar, 0);
    ASSERT_TRUE(InsertMenu(bar, 0, system));
    ASSERT_TRUE(InsertMenu(file, 1, system));

    nvo_supermenu_class renderer;
    renderer.of_registerwindow(host);
    std::vector<MenuItem *> rows;
    for (const ust_menuinfo &row : renderer.items())
        rows.push_back(row.menupt);
    EXPECT_EQ(rows, (std::vector<MenuItem *>{&menu.m_open, &menu.m_line, &menu.m_exit, &menu.m_copy, &menu.m_more,
                                             &menu.m_deep}));
    EXPECT_EQ(typesAndData(file), (Marks{{kOwn, 1}, {0, 0}, {kOwn, 2}, {kOwn, 3}}));
    EXPECT_EQ(typesAndData(system), Marks(7, {0, 0})) << "the system menu is left as it is";
    EXPECT_EQ(typesAndData(bar), Marks(3, {0, 0}));

    // No system menu passes over nothing, not every item without a pop-up.
    w_render_host plain;
    nvo_supermenu_class other;
    other.of_registermenu(*plain.MenuID(), 0, GetMenu(plain), 0);
    ASSERT_EQ(other.items().size(), 6u);
    EXPECT_EQ(other.items()[0].menupt, &plain.menu().m_open);
    EXPECT_EQ(typesAndData(GetSubMenu(GetMenu(plain), 1)), (Marks{{kOwn, 4}, {kOwn, 5}}));
}

TEST_F(Registration, AWindowListIsRegisteredFromTheBottomUpOnceItHasTwoItems)
{
    const MenuHandle edit = GetSubMenu(GetMenu(host), 1);
    nvo_supermenu_class renderer;

    // A single item after the entries is left alone.
    AppendMenu(edit, "");
    renderer.of_registerwindow(host);
    EXPECT_EQ(renderer.items().size(), 6u);
    EXPECT_EQ(typesAndData(edit), (Marks{{kOwn, 4}, {kOwn, 5}, {0, 0}}));

    // Two sheets: the active one checked, the other checked and grayed,
    // which counts as unchecked.
    AppendMenu(edit, "1 练习", kMenuChecked);
    AppendMenu(edit, "2 考试", kMenuChecked | kMenuGrayed);
    renderer.of_registerwindow(host);
    EXPECT_EQ(typesAndData(edit), (Marks{{kOwn, 4}, {kOwn, 5}, {kOwn, 9}, {kOwn, 8}, {kOwn, 7}}));
    struct Row {
        const char *itemname, *text;
        bool checked, enabled;
    };
    const Row expected[] = {{"2 考试", "2 考试", false, true}, {"1 练习", "1 练习", true, true}, {"", "-", false, false}};
    ASSERT_EQ(renderer.items().size(), 9u);
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const ust_menuinfo &row = renderer.items()[6 + i];
        EXPECT_EQ(row.itemid, 7 + i);
        EXPECT_EQ(row.level, 1);
        EXPECT_EQ(row.itemname, expected[i].itemname);
        EXPECT_EQ(row.menupt->Text(), expected[i].text);
        EXPECT_EQ(row.menupt->Checked(), expected[i].checked) << i;
        EXPECT_EQ(row.menupt->Enabled(), expected[i].enabled) << i;
        EXPECT_EQ(row.hicon, 0u);
    }

    // The sheet's item is measured and drawn like any other: its text in the
    // system font beside the icon column, a check box in the column.
    const MeasureItemRecord measured = MeasureItem(renderer, 8);
    EXPECT_EQ(measured.itemHeight, 22u);
    EXPECT_GT(measured.itemWidth, MeasureItem(renderer, 4).itemWidth) << "wider than Copy";
    Canvas canvas(120, 24);
    DrawItem(renderer, canvas, 8);
    EXPECT_EQ(canvas.at(10, 11), GetSysColor(SystemColor::Highlight)) << "the check box";
    DrawItem(renderer, canvas, 7);
    EXPECT_EQ(canvas.at(10, 11), GetSysColor(SystemColor::Menu)) << "unchecked";

    // Once registered, nothing more happens.
    renderer.of_registerwindow(host);
    EXPECT_EQ(renderer.items().size(), 9u);
    EXPECT_EQ(typesAndData(edit), (Marks{{kOwn, 4}, {kOwn, 5}, {kOwn, 9}, {kOwn, 8}, {kOwn, 7}}));
}

TEST_F(Registration, WindowListItemsJoinTheRowOfTheirText)
{
    const MenuHandle edit = GetSubMenu(GetMenu(host), 1);
    menu.m_more.SetChecked(true);
    AppendMenu(edit, "");
    AppendMenu(edit, " Copy \tCtrl+C", kMenuChecked);
    AppendMenu(edit, "More", kMenuChecked | kMenuGrayed);
    AppendMenu(edit, "");

    nvo_supermenu_class renderer;
    renderer.of_registerwindow(host);
    // Bottom up: the last separator gets a row of its own, More and Copy
    // join theirs, the first separator joins the last one's.
    ASSERT_EQ(renderer.items().size(), 7u);
    EXPECT_EQ(renderer.items()[6].itemname, "");
    EXPECT_EQ(renderer.items()[6].menupt->Text(), "-");
    EXPECT_EQ(typesAndData(edit), (Marks{{kOwn, 4}, {kOwn, 5}, {kOwn, 7}, {kOwn, 4}, {kOwn, 5}, {kOwn, 7}}));
    EXPECT_TRUE(menu.m_copy.Checked());
    EXPECT_FALSE(menu.m_more.Checked()) << "checked and grayed is not checked";
}

TEST_F(Registration, FromTheMenuHandlesAloneEveryItemGetsAMenuItemOfItsOwn)
{
    const MenuHandle bar = GetMenu(host), system = GetSystemMenu(host);
    const MenuHandle edit = GetSubMenu(bar, 1);
    InsertMenu(bar, 0, system);
    AppendMenu(edit, "");
    AppendMenu(edit, "1 练习", kMenuChecked | kMenuGrayed);

    nvo_supermenu_class renderer;
    renderer.of_registermenu(menu, 1, 0, system);
    renderer.of_registermenu(1, 0, system);
    EXPECT_TRUE(renderer.items().empty()) << "no menu, nothing done";

    renderer.of_registermenu(0, bar, system);
    struct Row {
        const char *itemname, *shortcut, *text;
        int level;
    };
    const Row expected[] = {{"Open", "Ctrl+O", "Open\tCtrl+O", 1}, {"", "", "-", 1}, {"Exit", "", "Exit", 1},
                            {"Copy", "", "Copy", 1},                {"More", "", "More", 1}, {"Deep", "", "Deep", 2},
                            {"1 练习", "", "1 练习", 1}};
    ASSERT_EQ(renderer.items().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const ust_menuinfo &row = renderer.items()[i];
        EXPECT_EQ(row.itemid, i + 1);
        EXPECT_EQ(row.itemname, expected[i].itemname);
        EXPECT_EQ(row.shortcutkey, expected[i].shortcut);
        EXPECT_EQ(row.menupt->Text(), expected[i].text);
        EXPECT_EQ(row.level, expected[i].level);
        EXPECT_EQ(row.hicon, 0u) << "a menu item of its own has no toolbar picture";
    }
    EXPECT_NE(renderer.items()[0].menupt, &menu.m_open);
    EXPECT_TRUE(renderer.items()[1].menupt->Enabled()) << "the entry's state, not a separator's";
    EXPECT_TRUE(renderer.items()[6].menupt->Checked());
    EXPECT_FALSE(renderer.items()[6].menupt->Enabled());
    // The window list's separator joined the row of the empty text.
    EXPECT_EQ(typesAndData(edit), (Marks{{kOwn, 4}, {kOwn, 5}, {kOwn, 2}, {kOwn, 7}}));
    EXPECT_EQ(typesAndData(system), Marks(7, {0, 0}));
    EXPECT_EQ(typesAndData(bar), Marks(3, {0, 0}));

    // Registered items pass their state on to their rows' menu items.
    menu.m_copy.SetChecked(true);
    renderer.of_registermenu(0, bar, system);
    EXPECT_EQ(renderer.items().size(), std::size(expected));
    EXPECT_TRUE(renderer.items()[3].menupt->Checked());
    Canvas canvas(120, 24);
    DrawItem(renderer, canvas, 4);
    EXPECT_EQ(canvas.at(10, 11), GetSysColor(SystemColor::Highlight)) << "Copy's check box";
}

TEST_F(Registration, RegisteringAgainAddsOnlyWhatIsNew)
{
    nvo_supermenu_class renderer;
    renderer.of_registerwindow(host);
    renderer.of_registerwindow(host);
    EXPECT_EQ(renderer.items().size(), 6u);

    // Showing the hidden item registers the window again: one new row, id 7.
    renderer.of_setvisible(menu.m_hidden, true);
    ASSERT_EQ(renderer.items().size(), 7u);
    EXPECT_EQ(renderer.items().back().menupt, &menu.m_hidden);
    EXPECT_EQ(renderer.items().back().itemid, 7u);
}

TEST_F(Registration, SetVisibleBeforeAnyWindowOnlyShowsTheItem)
{
    nvo_supermenu_class renderer;
    renderer.of_setvisible(menu.m_hidden, true);
    EXPECT_TRUE(menu.m_hidden.Visible());
    EXPECT_TRUE(renderer.items().empty());
}

TEST_F(Registration, AddSplitsTheTextAtItsFirstTab)
{
    struct Case {
        const char *text, *name, *shortcut;
    };
    const Case cases[] = {{"Plain", "Plain", ""},
                          {"\tCtrl+X", "", "Ctrl+X"},
                          {"Two\tTabs\tHere", "Two", "Tabs\tHere"}};
    nvo_supermenu_class renderer;
    int expectedRow = 0;
    for (const Case &c : cases) {
        EXPECT_EQ(renderer.of_add(99, c.text, menu.m_copy, 1), ++expectedRow);
        EXPECT_EQ(renderer.items().back().itemname, c.name) << c.text;
        EXPECT_EQ(renderer.items().back().shortcutkey, c.shortcut) << c.text;
        EXPECT_EQ(renderer.items().back().hicon, 0u) << "no toolbar picture, no icon";
    }
}

TEST_F(Registration, LookupsByIdNameAndMenuItemName)
{
    nvo_supermenu_class renderer;
    renderer.of_add(1, "  Open ", menu.m_open, 1);
    renderer.of_add(7, "Copy", menu.m_copy, 1);
    renderer.of_add(7, "Copy again", menu.m_deep, 1);
    renderer.of_add(3, "", menu.m_copy, 1);

    EXPECT_EQ(renderer.of_find_byid(0), 0);
    EXPECT_EQ(renderer.of_find_byid(-2), 0);
    EXPECT_EQ(renderer.of_find_byid(1), 1);  // the probe
    EXPECT_EQ(renderer.of_find_byid(7), 2);  // the scan: the first row holding it
    EXPECT_EQ(renderer.of_find_byid(3), 4);  // the last row
    EXPECT_EQ(renderer.of_find_byid(99), 0);

    EXPECT_EQ(renderer.of_find_byname("Open"), 1);
    EXPECT_EQ(renderer.of_find_byname("Open\tCtrl+O"), 1);
    EXPECT_EQ(renderer.of_find_byname("open"), 0);
    EXPECT_EQ(renderer.of_find_byname("\tanything"), 4);

    EXPECT_EQ(renderer.of_find_bymenuid("m_copy"), 2);
    EXPECT_EQ(renderer.of_find_bymenuid("m_deep"), 3);
    EXPECT_EQ(renderer.of_find_bymenuid("m_none"), 0);
    EXPECT_EQ(nvo_supermenu_class().of_find_byid(1), 0);
}

TEST(RendererUtilities, FlagsColoursAndWhiteSpace)
{
    EXPECT_TRUE(nvo_supermenu_class::of_containselement(259, 2));
    EXPECT_TRUE(nvo_supermenu_class::of_containselement(259, 256));
    EXPECT_FALSE(nvo_supermenu_class::of_containselement(259, 4));
    EXPECT_FALSE(nvo_supermenu_class::of_containselement(-1, 1));

    int r = 0, g = 0, b = 0;
    nvo_supermenu_class::of_color2rgb(RGB(64, 128, 255), r, g, b);
    EXPECT_EQ(r, 64);
    EXPECT_EQ(g, 128);
    EXPECT_EQ(b, 255);

    EXPECT_FALSE(nvo_supermenu_class::of_iswhitespace(""));
    EXPECT_TRUE(nvo_supermenu_class::of_iswhitespace(" \t\r\n"));
    EXPECT_TRUE(nvo_supermenu_class::of_iswhitespace(" \b "));
    EXPECT_FALSE(nvo_supermenu_class::of_iswhitespace(" x "));
}

TEST(RendererLifecycle, ColoursDefaultToTheSystemsAndIconsAreFreed)
{
    w_render_host host;
    IconHandle icon = 0;
    QPointer<QAction> madeByRegistration;
    {
        nvo_supermenu_class renderer;
        EXPECT_EQ(renderer.color_start, GetSysColor(SystemColor::Highlight));
        EXPECT_EQ(renderer.color_end, GetSysColor(SystemColor::Menu));
        EXPECT_EQ(renderer.menustyle, nvo_supermenu_class::style_normal);
        EXPECT_EQ(renderer.menubkstyle, nvo_supermenu_class::style_bknormal);

        const MenuHandle edit = GetSubMenu(GetMenu(host), 1);
        AppendMenu(edit, "");
        AppendMenu(edit, "1 练习");
        renderer.of_registerwindow(host);
        icon = renderer.items()[2].hicon; // Exit, from its stock picture
        ASSERT_NE(icon, 0u);
        EXPECT_TRUE(IsIcon(icon));
        ASSERT_EQ(renderer.items().size(), 8u);
        madeByRegistration = renderer.items()[7].alive;
        ASSERT_TRUE(madeByRegistration);
    }
    EXPECT_FALSE(IsIcon(icon));
    EXPECT_FALSE(madeByRegistration) << "the window list's menu items went with the renderer";
    // The window's menu items outlive the renderer.
    EXPECT_EQ(host.menu().m_exit.Text(), "Exit");
}

} // namespace
