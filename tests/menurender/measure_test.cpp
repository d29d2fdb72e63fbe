// Answering measure-item requests of registered items.
#include "menurender_support.h"

#include "runtime/win32/handles.h"
#include "runtime/win32/logfonts.h"

#include <QFontMetrics>

using namespace runtime;

namespace {

class Measuring : public testing::Test {
protected:
    void SetUp() override { renderer.of_registerwindow(host); }

    MeasureItemRecord measure(unsigned long itemData, unsigned long ctlType = kOwnerDrawMenu)
    {
        return MeasureItem(renderer, itemData, ctlType);
    }
    // The width of text in the system font.
    static long widthOf(const char *text)
    {
        QImage image(1, 1, QImage::Format_RGB32);
        const DeviceContext dc = CreateImageDC(image);
        SelectObject(dc, GetStockObject(StockObject::SystemFont));
        const long width = GetTextExtentPoint32(dc, text, Len(text)).cx;
        DeleteDC(dc);
        return width;
    }

    w_render_host host;
    m_render &menu = host.menu();
    nvo_supermenu_class renderer;
};

TEST_F(Measuring, RequestsForAnythingButAKnownMenuItemChangeNothing)
{
    for (const MeasureItemRecord &record : {measure(1, 2), measure(0), measure(99)}) {
        EXPECT_EQ(record.itemWidth, 111u);
        EXPECT_EQ(record.itemHeight, 222u);
        EXPECT_EQ(record.ctlId, 7u);
        EXPECT_EQ(record.itemId, 8u);
    }
    // A number that stands for no record is ignored.
    unsigned long childid = 0;
    long nothing = 123456;
    EXPECT_EQ(renderer.of_measureitem(childid, nothing), 0);
}

TEST_F(Measuring, SeparatorsAreAThirdOfTheMenuBarHighAndNoWidth)
{
    const MeasureItemRecord line = measure(2);
    EXPECT_EQ(line.itemHeight, 6u); // a menu bar of 19 pixels
    EXPECT_EQ(line.itemWidth, 0u);
}

TEST_F(Measuring, ItemsAreTheirTextWideInTheSystemFontPlusTheIconColumn)
{
    EXPECT_EQ(measure(4).itemHeight, 22u);
    EXPECT_EQ(measure(4).itemWidth, static_cast<unsigned long>(widthOf("Copy") + 22));

    // The text is trimmed; the registered shortcut key is glued on when the
    // text holds no tab, and a tabbed text is measured as it is.
    menu.m_copy.SetText("  Copy  ");
    EXPECT_EQ(measure(4).itemWidth, static_cast<unsigned long>(widthOf("Copy") + 22));
    menu.m_open.SetText("Open");
    EXPECT_EQ(measure(1).itemWidth, static_cast<unsigned long>(widthOf("OpenCtrl+O") + 22));
    menu.m_open.SetText("Open\tCtrl+P");
    EXPECT_EQ(measure(1).itemWidth, static_cast<unsigned long>(widthOf("Open\tCtrl+P") + 22));

    // " - " is no separator.
    menu.m_copy.SetText(" - ");
    EXPECT_EQ(measure(4).itemHeight, 22u);
    EXPECT_EQ(measure(4).itemWidth, static_cast<unsigned long>(widthOf("-") + 22));
}

TEST_F(Measuring, AMenuBarRowHasNoIconColumn)
{
    // Items of a menu already registered elsewhere carry that renderer's
    // numbers: a second window gives fresh ones.
    w_render_host other;
    nvo_supermenu_class bare;
    bare.of_registerwindow(other);
    ASSERT_EQ(bare.of_add(50, "Copy", other.menu().m_copy, 0), 7);
    EXPECT_EQ(MeasureItem(bare, 50).itemWidth, static_cast<unsigned long>(widthOf("Copy")));
}

TEST_F(Measuring, ShareOfTheTextColumnOverTheTabbedItems)
{
    struct Case {
        std::vector<const char *> texts;
        double rate;
    };
    const Case cases[] = {
        {{"Wide\tWide", "Plain"}, 0.5},
        {{"&W\tW"}, 0.5},             // the ampersand is not measured
        {{"Some text\t"}, 1.0},       // nothing after the tab
        {{"Plain", "Other"}, 0.0},     // no tab at all
        {{}, 0.0},
    };
    for (const Case &c : cases) {
        Menu popup("m_popup");
        std::vector<std::unique_ptr<MenuItem>> items;
        for (const char *text : c.texts) {
            items.push_back(std::make_unique<MenuItem>(popup, "m_item"));
            items.back()->SetText(text);
        }
        EXPECT_DOUBLE_EQ(renderer.of_getshortcutkeyrate(popup), c.rate) << (c.texts.empty() ? "" : c.texts[0]);
    }
}

TEST_F(Measuring, FontsLikeTheContextsOneAndUpright)
{
    QImage image(4, 4, QImage::Format_RGB32);
    const DeviceContext dc = CreateImageDC(image);
    SelectObject(dc, GetStockObject(StockObject::SystemFont));
    TextMetric metrics;
    ASSERT_TRUE(GetTextMetrics(dc, metrics));

    const GdiObject menuFont = renderer.of_getmenufont(dc);
    LogFont made;
    ASSERT_TRUE(GetLogFont(menuFont, made));
    EXPECT_EQ(made.faceName, GetTextFace(dc));
    EXPECT_EQ(made.height, metrics.height);
    EXPECT_EQ(made.weight, 700);
    EXPECT_EQ(made.escapement, 0);

    const GdiObject vertical = renderer.of_createverticalfont(dc);
    ASSERT_TRUE(GetLogFont(vertical, made));
    EXPECT_EQ(made.escapement, 900);
    EXPECT_EQ(made.orientation, 900);
    EXPECT_EQ(made.weight, 700);
    EXPECT_EQ(made.height, -16);
    EXPECT_EQ(made.faceName, GetTextFace(dc));

    EXPECT_TRUE(DeleteObject(menuFont));
    EXPECT_TRUE(DeleteObject(vertical));
    EXPECT_FALSE(GetLogFont(vertical, made)) << "gone with the font";
    DeleteDC(dc);
}

} // namespace
