// Drawing onto windows from outside their painting: device contexts,
// memory contexts and bitmaps, what stays on the screen and what is given
// back; the paint message; stock pictures.
#include "runtime/draw/colors.h"
#include "runtime/draw/picture.h"
#include "runtime/draw/stockpictures.h"
#include "runtime/ui/paint.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/window.h"
#include "runtime/win32/gdi.h"
#include "runtime/win32/shapes.h"
#include "test_windows.h"

#include <QImage>
#include <gtest/gtest.h>

#include <set>

using namespace runtime;

namespace {

class w_canvas : public Window {
public:
    w_canvas() : Window("w_canvas")
    {
        st_1.Move(0, 0);
        st_1.Resize(400, 80);
        st_1.SetBackColor(RGB(255, 255, 255));
    }
    StaticText st_1{*this, "st_1"};
};
GlobalWindow<w_canvas> canvas;

class Gdi : public testing::Test {
protected:
    void SetUp() override { Open(canvas); }
    void TearDown() override { CloseAllWindows(); }
    QImage shown()
    {
        QCoreApplication::processEvents();
        return canvas->st_1.widget()->grab().toImage();
    }
};

// The left-most column with a pixel close to colour c; -1 when there is none.
int firstColumn(const QImage &image, QColor c)
{
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - c.red()) + std::abs(p.green() - c.green()) + std::abs(p.blue() - c.blue()) < 60)
                return x;
        }
    return -1;
}

// The left-most column where red (or blue) clearly outweighs the rest, as
// in the smoothed edges of red (blue) text on white.
int firstTinted(const QImage &image, bool red)
{
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y) {
            const QColor p = image.pixelColor(x, y);
            const int tint = red ? p.red() : p.blue();
            if (tint - p.green() > 60)
                return x;
        }
    return -1;
}

} // namespace

TEST_F(Gdi, TextDrawnOntoAWindowStaysUntilItIsRedrawn)
{
    const WindowHandle hwnd = Handle(canvas->st_1);
    const int live = LiveGdiObjects();
    const DeviceContext hdc = GetDC(hwnd);
    ASSERT_NE(hdc, 0u);
    SelectObject(hdc, GetWindowFont(hwnd));
    SetBkMode(hdc, BackgroundMode::Transparent);
    runtime::SetTextColor(hdc, RGB(255, 0, 0));
    DrawText(hdc, "IIII", 4, {0, 0, 40, 20}, true);
    runtime::SetTextColor(hdc, RGB(0, 0, 255));
    DrawText(hdc, "IIII", 2, {50, 0, 88, 20}, false);
    EXPECT_EQ(firstTinted(shown(), true), -1); // not yet on the screen
    EXPECT_EQ(ReleaseDC(Handle(canvas->st_1), hdc), 1);
    EXPECT_EQ(LiveGdiObjects(), live);
    EXPECT_EQ(ReleaseDC(hwnd, hdc), 0); // once only

    const QImage image = shown();
    const int red = firstTinted(image, true);
    const int blue = firstTinted(image, false);
    EXPECT_GT(red, 5); // centred
    EXPECT_GE(blue, 50);
    EXPECT_LT(blue, 55); // from the left

    canvas->st_1.SetRedraw(true);
    EXPECT_EQ(firstTinted(shown(), true), -1);
}

TEST_F(Gdi, AWindowPaintedIntoABitmapIsDrawnDisabled)
{
    const WindowHandle hwnd = Handle(canvas->st_1);
    canvas->st_1.SetText("W");
    canvas->st_1.SetTextColor(RGB(0, 0, 0));
    const int live = LiveGdiObjects();

    const DeviceContext screen = GetDC(hwnd);
    const GdiObject bitmap = CreateCompatibleBitmap(screen, 16, 16);
    const DeviceContext memory = CreateCompatibleDC(screen);
    const GdiObject stock = SelectObject(memory, bitmap);
    EXPECT_NE(stock, 0u);
    PaintInto(hwnd, memory);
    EXPECT_FALSE(DeleteObject(bitmap)); // still selected
    EXPECT_EQ(SelectObject(memory, stock), bitmap);
    EXPECT_TRUE(DeleteDC(memory));
    DrawDisabledBitmap(screen, bitmap, 20, 0);
    ReleaseDC(hwnd, screen);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(LiveGdiObjects(), live);

    // The black letter comes out in the shadow grey.
    const QImage drawn = shown().copy(20, 0, 16, 16);
    EXPECT_GE(firstColumn(drawn, QColor(128, 128, 128)), 0);
    EXPECT_EQ(firstColumn(drawn, QColor(0, 0, 0)), -1);
}

TEST_F(Gdi, NothingHappensWithoutAWindowOrAContext)
{
    EXPECT_EQ(GetDC(0), 0u);
    EXPECT_EQ(GetWindowFont(0), 0u);
    EXPECT_EQ(CreateCompatibleBitmap(0, 16, 16), 0u);
    EXPECT_EQ(SelectObject(0, 0), 0u);
    EXPECT_FALSE(DeleteDC(0));
    EXPECT_FALSE(DeleteObject(12345));
    DrawText(0, "x", 1, {0, 0, 10, 10}, true);
    DrawDisabledBitmap(0, 0, 0, 0);
}

TEST_F(Gdi, ThePaintMessageFollowsThePaintsTakenTogether)
{
    int paints = 0;
    Event<> painted{&*canvas, "painted"};
    painted = [&] { ++paints; };
    BindPaint(canvas->st_1, painted);
    canvas->st_1.widget()->grab();
    canvas->st_1.widget()->grab();
    EXPECT_EQ(paints, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 1);
}

TEST(StockPictures, TheRuntimeDrawsItsOwn)
{
    for (const char *name : {"Application!", "Custom006!", "AlignLeft!", "AlignRight!", "Exit!", "exit!"}) {
        const QPixmap p = LoadPicture(name);
        ASSERT_FALSE(p.isNull()) << name;
        EXPECT_EQ(p.size(), QSize(32, 32));
    }
    EXPECT_TRUE(LoadPicture("Nothing!").isNull());
    EXPECT_FALSE(IsStockPictureName("pic\\cat.gif"));
}

// Each stock picture is also a resource of the runtime: a bitmap strip of the
// picture and its greyed copy on a ground colour, or an icon on a
// transparent ground, under an id of its own.
TEST(StockPictures, EachIsABitmapOrAnIconUnderAnIdOfItsOwn)
{
    struct Case {
        const char *name;
        bool bitmap;
    };
    const Case cases[] = {{"Exit!", true},         {"AlignLeft!", true},    {"alignright!", true},
                          {"Application!", false}, {"CUSTOM006!", false}};
    std::set<long> ids;
    for (const Case &c : cases) {
        const long bitmapId = StockBitmapId(c.name), iconId = StockIconId(c.name);
        const long id = c.bitmap ? bitmapId : iconId;
        EXPECT_GT(id, 0) << c.name;
        EXPECT_EQ(c.bitmap ? iconId : bitmapId, 0) << c.name;
        ids.insert(id);
        if (c.bitmap) {
            const QImage strip = StockBitmapImage(id);
            ASSERT_EQ(strip.size(), QSize(32, 16)) << c.name;
            EXPECT_TRUE(StockIconImage(id).isNull()) << c.name;
            const QRgb ground = strip.pixel(0, 0);
            int drawn = 0, greyed = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    const QRgb first = strip.pixel(x, y), second = strip.pixel(16 + x, y);
                    drawn += first != ground;
                    EXPECT_EQ(second == ground, first == ground) << c.name << " " << x << "," << y;
                    greyed += second != ground && qRed(second) == qGreen(second) && qGreen(second) == qBlue(second);
                }
            EXPECT_GT(drawn, 16) << c.name;
            EXPECT_EQ(greyed, drawn) << c.name << ": the second image is the first in grey";
        } else {
            const QImage icon = StockIconImage(id);
            ASSERT_EQ(icon.size(), QSize(32, 32)) << c.name;
            EXPECT_TRUE(StockBitmapImage(id).isNull()) << c.name;
            EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << c.name;
        }
    }
    EXPECT_EQ(ids.size(), std::size(cases));
    for (const char *none : {"Nothing!", "", "Exit"}) {
        EXPECT_EQ(StockBitmapId(none), 0) << none;
        EXPECT_EQ(StockIconId(none), 0) << none;
    }
    EXPECT_TRUE(StockBitmapImage(0).isNull());
    EXPECT_TRUE(StockIconImage(-1).isNull());
}

TEST_F(Gdi, TheDisplayContextIsAReferenceThatShowsNothing)
{
    const int live = LiveGdiObjects();
    const DeviceContext display = CreateDisplayDC();
    ASSERT_NE(display, 0u);
    EXPECT_EQ(GetPixel(display, 0, 0), -1);
    const DeviceContext memory = CreateCompatibleDC(display);
    EXPECT_NE(memory, 0u);
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_TRUE(DeleteDC(display));
    EXPECT_EQ(LiveGdiObjects(), live);
}
