// Registering a window's menus, the item table and its lookups, the
// renderer's colours and what it frees.
#include "menurender_support.h"

#include "runtime/win32/icons.h"
#include "runtime/win32/menus.h"

#include <QDir>
#include <QFile>

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
    {
        nvo_supermenu_class renderer;
        EXPECT_EQ(renderer.color_start, GetSysColor(SystemColor::Highlight));
        EXPECT_EQ(renderer.color_end, GetSysColor(SystemColor::Menu));
        EXPECT_EQ(renderer.menustyle, nvo_supermenu_class::style_normal);
        EXPECT_EQ(renderer.menubkstyle, nvo_supermenu_class::style_bknormal);

        renderer.of_registerwindow(host);
        icon = renderer.items()[2].hicon; // Exit, from its stock picture
        ASSERT_NE(icon, 0u);
        EXPECT_TRUE(IsIcon(icon));
    }
    EXPECT_FALSE(IsIcon(icon));
    // The menu items belong to the window and outlive the renderer.
    EXPECT_EQ(host.menu().m_exit.Text(), "Exit");
}

TEST(RendererIcons, PictureNamesByKind)
{
    nvo_supermenu_class renderer;
    EXPECT_EQ(renderer.of_geticonhandle(""), 0);
    EXPECT_EQ(renderer.of_geticonhandle("plain"), 0);
    EXPECT_EQ(renderer.of_geticonhandle("missing.ico"), 0);
    EXPECT_EQ(renderer.of_geticonhandle("missing.bmp!"), 0) << "a bitmap file, not a stock picture";
    const long stock = renderer.of_geticonhandle("Exit!");
    EXPECT_TRUE(IsIcon(stock));
    DestroyIcon(stock);
}

TEST(RendererIcons, ABitmapsTopLeftColourBecomesTransparent)
{
    const QString path = QDir::temp().filePath("menurender_icon.bmp");
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixelColor(5, 5, Qt::red);
    ASSERT_TRUE(picture.save(path, "BMP"));

    nvo_supermenu_class renderer;
    const GdiObject bitmap = LoadBitmapFile(FromQString(path), 16, 16);
    EXPECT_EQ(renderer.of_getmaskcolor(bitmap), RGB(255, 255, 255));
    DeleteObject(bitmap);

    const long icon = renderer.of_geticonhandle(FromQString(path).c_str());
    ASSERT_TRUE(IsIcon(icon));
    Canvas canvas(16, 16, RGB(0, 0, 255));
    DrawIconEx(canvas.hdc, 0, 0, icon, 16, 16);
    EXPECT_EQ(canvas.at(0, 0), RGB(0, 0, 255)) << "white let the ground through";
    EXPECT_EQ(GetPixel(canvas.hdc, 4, 4), RGB(255, 0, 0)) << "the red pixel, scaled to 16 pixels";
    DestroyIcon(icon);
    QFile::remove(path);
}

TEST_F(Registration, SetMenuIconByNameOrMenuItemNameOnlyWhereThereIsNone)
{
    nvo_supermenu_class renderer;
    renderer.of_registerwindow(host);
    renderer.of_setmenuicon("id", "m_copy", "Exit!");
    const unsigned long copyIcon = renderer.items()[3].hicon;
    EXPECT_TRUE(IsIcon(copyIcon));
    renderer.of_setmenuicon("BYID", "m_copy", "Exit!");
    EXPECT_EQ(renderer.items()[3].hicon, copyIcon) << "an icon is never replaced";
    renderer.of_setmenuicon("MENUID", "Deep", "Exit!");
    EXPECT_TRUE(IsIcon(renderer.items()[5].hicon)) << "any other word looks up the text";
    renderer.of_setmenuicon("ID", "m_nothing", "Exit!");
}

} // namespace
