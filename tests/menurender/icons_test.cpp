// Item icons: picture names by kind, looked up as every picture of the
// program is, the runtime's stock pictures, and each shown in the icon column
// of the item it belongs to.
#include "menurender_support.h"

#include "runtime/draw/stockpictures.h"
#include "runtime/ui/environment.h"
#include "runtime/ui/messagebox.h"
#include "runtime/win32/icons.h"

#include <QDir>
#include <QTemporaryDir>

using namespace runtime;

namespace {

// A folder of pictures, made the working folder for the test's time as the
// program's folder is the trainer's: "pic\CAR.ICO" names pic/CAR.ICO in it.
class PictureFolder {
public:
    PictureFolder() : previous(QDir::currentPath())
    {
        QDir(folder.path()).mkdir("pic");
        QDir::setCurrent(folder.path());
    }
    ~PictureFolder() { QDir::setCurrent(previous); }
    bool save(const QImage &picture, const char *path, const char *format)
    {
        return picture.save(QDir(folder.path()).filePath(path), format);
    }

private:
    QTemporaryDir folder;
    QString previous;
};

// Message boxes are answered and kept; the environment is the screen's again
// afterwards.
class RendererIcons : public testing::Test {
protected:
    void SetUp() override
    {
        SetMessageBoxHandler([this](const MessageBoxRequest &box) {
            boxes.push_back(box);
            return 1;
        });
    }
    void TearDown() override
    {
        SetMessageBoxHandler(nullptr);
        SetEnvironmentSource(nullptr);
    }
    std::vector<MessageBoxRequest> boxes;
};

long colourOf(QColor c) { return RGB(c.red(), c.green(), c.blue()); }

TEST_F(RendererIcons, PictureNamesByKind)
{
    nvo_supermenu_class renderer;
    const int live = LiveGdiObjects();
    EXPECT_EQ(renderer.of_geticonhandle(""), 0);
    EXPECT_EQ(renderer.of_geticonhandle("plain"), 0);
    EXPECT_EQ(renderer.of_geticonhandle("missing.ico"), 0);
    EXPECT_EQ(renderer.of_geticonhandle("pic\\missing.BMP"), 0);
    EXPECT_EQ(renderer.of_geticonhandle("missing.bmp!"), 0) << "a bitmap file, not a stock picture";
    EXPECT_EQ(renderer.of_geticonhandle("Nothing!"), 0) << "no such stock picture";
    EXPECT_EQ(LiveGdiObjects(), live) << "nothing loaded is left behind";
    const long stock = renderer.of_geticonhandle("Exit!");
    EXPECT_TRUE(IsIcon(stock));
    DestroyIcon(stock);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(RendererIcons, StockPictureIdsSayBitmapOrIcon)
{
    struct Case {
        const char *name;
        long id;
        int type; // after the call, from 7
    };
    const Case cases[] = {
        {"", -1, 7},
        {"Exit!", StockBitmapId("Exit!"), nvo_supermenu_class::image_bitmap},
        {"alignleft!", StockBitmapId("AlignLeft!"), nvo_supermenu_class::image_bitmap},
        {"Custom006!", StockIconId("Custom006!"), nvo_supermenu_class::image_icon},
        {"Nothing!", 0, nvo_supermenu_class::image_icon},
    };
    nvo_supermenu_class renderer;
    for (const Case &c : cases) {
        int type = 7;
        EXPECT_EQ(renderer.of_getstockicon(c.name, type), c.id) << c.name;
        EXPECT_EQ(type, c.type) << c.name;
    }
    EXPECT_GT(StockBitmapId("Exit!"), 0);
    EXPECT_GT(StockIconId("Custom006!"), 0);
}

// A stock bitmap shows its first 16-pixel image unscaled, its top-left
// colour letting the menu through; a stock icon shows whole, made 16 pixels
// square.
TEST_F(RendererIcons, StockPicturesShowInTheirItems)
{
    const long menuColour = GetSysColor(SystemColor::Menu);
    w_render_host host;
    host.menu().m_copy.ToolbarItemName = "Application!";
    nvo_supermenu_class renderer;
    renderer.of_registerwindow(host);

    const QImage strip = StockBitmapImage(StockBitmapId("Exit!"));
    ASSERT_GT(strip.width(), 16);
    Canvas exit(120, 24);
    DrawItem(renderer, exit, 3);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QColor c = strip.pixelColor(x, y);
            const long expected = c == strip.pixelColor(0, 0) ? menuColour : colourOf(c);
            ASSERT_EQ(exit.at(3 + x, 3 + y), expected) << x << "," << y;
        }

    // The window picture: a blue title bar over a white body, at 32 pixels.
    Canvas application(120, 24);
    DrawItem(renderer, application, 4);
    EXPECT_EQ(application.at(3 + 1, 3 + 1), menuColour);
    EXPECT_EQ(application.at(3 + 10, 3 + 4), RGB(0, 0, 160)) << "the right half of the title bar";
    EXPECT_EQ(application.at(3 + 12, 3 + 12), RGB(255, 255, 255));
    EXPECT_TRUE(boxes.empty());
}

// Without the runtime's environment a stock picture is not even looked up:
// a box tells, and the row holds -1 for good.
TEST_F(RendererIcons, AnUnreadableEnvironmentLeavesMinusOne)
{
    SetEnvironmentSource([](Environment &) { return -1; });
    w_render_host host;
    nvo_supermenu_class renderer;
    const int live = LiveGdiObjects();
    renderer.of_registerwindow(host);
    EXPECT_EQ(renderer.items()[2].hicon, static_cast<IconHandle>(-1));
    EXPECT_EQ(LiveGdiObjects(), live) << "nothing loaded";
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "TIP");
    EXPECT_EQ(boxes[0].text, "Get the value is wrrong in the PowerBuilder Environment.");
    EXPECT_EQ(boxes[0].buttons, Buttons::OK);

    EXPECT_EQ(renderer.of_geticonhandle("pic\\missing.ico"), 0) << "only stock pictures ask";
    SetEnvironmentSource(nullptr);
    renderer.of_setmenuicon("id", "m_exit", "Application!");
    EXPECT_EQ(renderer.items()[2].hicon, static_cast<IconHandle>(-1));
    EXPECT_EQ(boxes.size(), 1u);

    Canvas canvas(120, 24);
    DrawItem(renderer, canvas, 3);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(canvas.at(3 + x, 3 + y), GetSysColor(SystemColor::Menu)) << "no icon: " << x << "," << y;
}

TEST_F(RendererIcons, MaskColourIsTheTopLeftPixel)
{
    struct Case {
        QColor corner;
        long mask;
    };
    const Case cases[] = {{Qt::white, 16777215}, {Qt::red, 255}, {QColor(0, 0, 128), 0x800000}};
    nvo_supermenu_class renderer;
    const int live = LiveGdiObjects();
    for (const Case &c : cases) {
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(Qt::green);
        picture.setPixelColor(0, 0, c.corner);
        const GdiObject bitmap = BitmapFromImage(picture, 16, 16);
        EXPECT_EQ(renderer.of_getmaskcolor(bitmap), c.mask);
        DeleteObject(bitmap);
    }
    EXPECT_EQ(renderer.of_getmaskcolor(0), -1) << "no bitmap: no colour";
    EXPECT_EQ(LiveGdiObjects(), live) << "the contexts are given back, the bitmap deselected";
}

// Each picture is white with a coloured square in its middle; an item with
// it as its toolbar picture shows it in the icon column, 3 pixels in. A
// bitmap's top-left colour lets the menu through; an icon keeps every pixel.
TEST_F(RendererIcons, IconAndBitmapFilesNamedWithBackslashesShowInTheirItems)
{
    struct Case {
        const char *name, *file, *format;
        QColor middle;
        long corner;
    };
    const long white = RGB(255, 255, 255), menuColour = GetSysColor(SystemColor::Menu);
    const Case cases[] = {
        {"pic\\CAR.ICO", "pic/CAR.ICO", "ICO", Qt::green, white},
        {"pic\\Flag.bmp", "pic/Flag.bmp", "BMP", Qt::red, menuColour},
        // ".ico" is looked for first, wherever it stands.
        {"pic\\both.ico.bmp", "pic/both.ico.bmp", "BMP", Qt::blue, white},
    };
    PictureFolder folder;
    for (const Case &c : cases) {
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(Qt::white);
        for (int y = 4; y < 12; ++y)
            for (int x = 4; x < 12; ++x)
                picture.setPixelColor(x, y, c.middle);
        ASSERT_TRUE(folder.save(picture, c.file, c.format)) << c.file;

        w_render_host host;
        host.menu().m_copy.ToolbarItemName = c.name;
        nvo_supermenu_class renderer;
        renderer.of_registerwindow(host);
        ASSERT_TRUE(IsIcon(renderer.items()[3].hicon)) << c.name;

        Canvas canvas(120, 24);
        DrawItem(renderer, canvas, 4);
        EXPECT_EQ(canvas.at(3 + 8, 3 + 8), RGB(c.middle.red(), c.middle.green(), c.middle.blue())) << c.name;
        EXPECT_EQ(canvas.at(3 + 1, 3 + 1), c.corner) << c.name;
    }
}

TEST_F(RendererIcons, SetMenuIconByNameOrMenuItemNameOnlyWhereThereIsNone)
{
    w_render_host host;
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
