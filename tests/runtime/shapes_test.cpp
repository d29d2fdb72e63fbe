// Pens, brushes, shapes, icons, owner-draw records and menus by handle.
#include "runtime/draw/colors.h"
#include "runtime/draw/stockpictures.h"
#include "runtime/ui/menu.h"
#include "runtime/ui/window.h"
#include "runtime/win32/icons.h"
#include "runtime/win32/logfonts.h"
#include "runtime/win32/menus.h"
#include "runtime/win32/ownerdraw.h"
#include "runtime/win32/shapes.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace runtime;

namespace {

const long kGround = RGB(1, 2, 3);

struct Canvas {
    Canvas(int width = 20, int height = 20) : image(width, height, QImage::Format_RGB32)
    {
        image.fill(ToQColor(kGround));
        hdc = CreateImageDC(image);
    }
    ~Canvas() { DeleteDC(hdc); }
    long at(int x, int y) const { return GetPixel(hdc, x, y); }
    QImage image;
    DeviceContext hdc;
};

TEST(Shapes, FillsAreExclusiveOfRightAndBottomAndTakeUpsideDownRectangles)
{
    Canvas canvas;
    const GdiObject red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(canvas.hdc, Rect{2, 10, 5, 4}, red); // bottom above top
    EXPECT_EQ(canvas.at(2, 4), RGB(255, 0, 0));
    EXPECT_EQ(canvas.at(4, 9), RGB(255, 0, 0));
    EXPECT_EQ(canvas.at(5, 9), kGround);
    EXPECT_EQ(canvas.at(4, 10), kGround);
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_EQ(canvas.at(-1, 0), -1);
    EXPECT_EQ(GetPixel(0, 0, 0), -1);
}

TEST(Shapes, LinesLeaveTheirEndPointAndMoveOn)
{
    Canvas canvas;
    const GdiObject pen = CreatePen(1, RGB(0, 255, 0));
    const GdiObject before = SelectObject(canvas.hdc, pen);
    EXPECT_EQ(before, GetStockObject(StockObject::BlackPen));
    MoveToEx(canvas.hdc, 2, 5);
    LineTo(canvas.hdc, 8, 5);
    LineTo(canvas.hdc, 8, 9); // from where the last line ended
    EXPECT_EQ(canvas.at(2, 5), RGB(0, 255, 0));
    EXPECT_EQ(canvas.at(7, 5), RGB(0, 255, 0));
    EXPECT_EQ(canvas.at(8, 5), RGB(0, 255, 0));
    EXPECT_EQ(canvas.at(8, 8), RGB(0, 255, 0));
    EXPECT_EQ(canvas.at(8, 9), kGround);
    EXPECT_FALSE(DeleteObject(pen)) << "still selected";
    EXPECT_EQ(SelectObject(canvas.hdc, before), pen);
    EXPECT_TRUE(DeleteObject(pen));
}

TEST(Shapes, RectanglesFrameWithThePenAndFillWithTheBrush)
{
    Canvas canvas;
    const GdiObject pen = CreatePen(1, RGB(0, 0, 0)), brush = CreateSolidBrush(RGB(0, 0, 255));
    const GdiObject oldPen = SelectObject(canvas.hdc, pen), oldBrush = SelectObject(canvas.hdc, brush);
    EXPECT_EQ(oldBrush, GetStockObject(StockObject::WhiteBrush));
    Rectangle(canvas.hdc, 2, 2, 10, 8);
    EXPECT_EQ(canvas.at(2, 2), RGB(0, 0, 0));
    EXPECT_EQ(canvas.at(9, 7), RGB(0, 0, 0));
    EXPECT_EQ(canvas.at(5, 5), RGB(0, 0, 255));
    EXPECT_EQ(canvas.at(10, 5), kGround);
    SelectObject(canvas.hdc, oldPen);
    SelectObject(canvas.hdc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST(Shapes, StockObjectsAndSystemBrushesStayAndMadeObjectsAreCounted)
{
    const int live = LiveGdiObjects();
    GetStockObject(StockObject::SystemFont);
    GetStockObject(StockObject::WhitePen);
    EXPECT_EQ(LiveGdiObjects(), live) << "stock objects are not counted";
    EXPECT_FALSE(DeleteObject(GetStockObject(StockObject::WhiteBrush)));
    EXPECT_FALSE(DeleteObject(GetSysColorBrush(SystemColor::Highlight)));
    EXPECT_EQ(GetSysColorBrush(SystemColor::Highlight), GetSysColorBrush(SystemColor::Highlight));
    const GdiObject brush = CreateSolidBrush(RGB(1, 1, 1));
    EXPECT_EQ(LiveGdiObjects(), live + 1);
    DeleteObject(brush);
    EXPECT_EQ(LiveGdiObjects(), live);
}

TEST(Shapes, RaisedEdgeIsLightAboveAndLeftAndLeavesItsInside)
{
    Canvas canvas;
    DrawRaisedEdge(canvas.hdc, Rect{2, 2, 12, 12});
    EXPECT_EQ(canvas.at(2, 6), GetSysColor(SystemColor::ButtonHighlight));
    EXPECT_EQ(canvas.at(6, 2), GetSysColor(SystemColor::ButtonHighlight));
    EXPECT_EQ(canvas.at(11, 6), GetSysColor(SystemColor::ButtonShadow));
    EXPECT_EQ(canvas.at(6, 11), GetSysColor(SystemColor::ButtonShadow));
    EXPECT_EQ(canvas.at(6, 6), kGround);
}

TEST(Shapes, TextExtentGrowsWithTheTextAndTheSystemFont)
{
    Canvas canvas;
    SelectObject(canvas.hdc, GetStockObject(StockObject::SystemFont));
    const long one = GetTextExtentPoint32(canvas.hdc, "Open", 4).cx;
    EXPECT_GT(one, 0);
    EXPECT_GT(GetTextExtentPoint32(canvas.hdc, "Open file", 9).cx, one);
    EXPECT_EQ(GetTextExtentPoint32(canvas.hdc, "Open file", 4).cx, one);
    EXPECT_EQ(GetTextExtentPoint32(0, "Open", 4).cx, 0);
    EXPECT_EQ(GetSystemMetrics(SystemMetric::MenuHeight), 19);
}

TEST(Icons, BitmapsBecomeIconsOfTheirFirstSquareWithoutTheMaskColour)
{
    QImage picture(32, 16, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixelColor(3, 3, Qt::red);
    picture.setPixelColor(20, 3, Qt::green); // in the second square

    const GdiObject loaded = BitmapFromImage(picture, 32, 16);
    const IconHandle icon = IconFromBitmap(loaded, 16, RGB(255, 255, 255));
    DeleteObject(loaded);
    ASSERT_TRUE(IsIcon(icon));

    Canvas canvas(40, 20);
    DrawIconEx(canvas.hdc, 0, 0, icon, 16, 16);
    EXPECT_EQ(canvas.at(3, 3), RGB(255, 0, 0));
    EXPECT_EQ(canvas.at(0, 0), kGround) << "white is the mask colour";
    EXPECT_FALSE(DestroyIcon(0));
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(IsIcon(icon));
    DrawIconEx(canvas.hdc, 20, 0, icon, 16, 16); // gone: nothing drawn
    EXPECT_EQ(canvas.at(23, 3), kGround);
    EXPECT_EQ(IconFromBitmap(0, 16, -1), 0u);
    EXPECT_EQ(BitmapFromImage(QImage(), 16, 16), 0u);
    EXPECT_EQ(IconFromImage(QImage()), 0u);
}

TEST(Icons, StockBitmapsLoadUnscaledAndStockIconsAtTheDefaultSize)
{
    const int live = LiveGdiObjects();
    const long bitmapId = StockBitmapId("Exit!"), iconId = StockIconId("Application!");
    const QImage strip = StockBitmapImage(bitmapId);

    const GdiObject bitmap = LoadStockBitmap(bitmapId);
    const DeviceContext memory = CreateCompatibleDC(0);
    const GdiObject previous = SelectObject(memory, bitmap);
    ASSERT_NE(previous, 0u);
    for (const QPoint p : {QPoint(0, 0), QPoint(8, 8), QPoint(31, 15), QPoint(24, 8)}) {
        const QColor c = strip.pixelColor(p);
        EXPECT_EQ(GetPixel(memory, p.x(), p.y()), RGB(c.red(), c.green(), c.blue())) << p.x() << "," << p.y();
    }
    EXPECT_EQ(GetPixel(memory, 32, 0), -1) << "32 pixels wide";
    SelectObject(memory, previous);
    DeleteDC(memory);
    EXPECT_TRUE(DeleteObject(bitmap));

    const IconHandle icon = LoadStockIcon(iconId);
    ASSERT_TRUE(IsIcon(icon));
    {
        Canvas canvas(40, 40);
        DrawIconEx(canvas.hdc, 0, 0, icon, 32, 32);
        const QColor middle = StockIconImage(iconId).pixelColor(16, 16);
        EXPECT_EQ(canvas.at(16, 16), RGB(middle.red(), middle.green(), middle.blue()));
        EXPECT_EQ(canvas.at(0, 0), kGround);
    }
    DestroyIcon(icon);

    EXPECT_EQ(LoadStockBitmap(iconId), 0u);
    EXPECT_EQ(LoadStockIcon(bitmapId), 0u);
    EXPECT_EQ(LoadStockIcon(0), 0u);
    EXPECT_EQ(LiveGdiObjects(), live);
}

TEST(OwnerDraw, ARecordIsReachableOnlyWhileItIsLent)
{
    DrawItemRecord draw;
    MeasureItemRecord measure;
    long drawNumber = 0, measureNumber = 0;
    {
        RecordLease drawLease(draw);
        RecordLease measureLease(measure);
        drawNumber = drawLease.number();
        measureNumber = measureLease.number();
        EXPECT_EQ(DrawItemRecordOf(drawNumber), &draw);
        EXPECT_EQ(MeasureItemRecordOf(measureNumber), &measure);
        EXPECT_EQ(DrawItemRecordOf(measureNumber), nullptr) << "a number of the other kind";
    }
    EXPECT_EQ(DrawItemRecordOf(drawNumber), nullptr);
    EXPECT_EQ(MeasureItemRecordOf(measureNumber), nullptr);
    EXPECT_EQ(DrawItemRecordOf(0), nullptr);
}

class m_handles : public Menu {
public:
    m_handles() : Menu("m_handles")
    {
        m_hidden.SetVisible(false);
        m_b.SetText("B");
        m_line.SetText("-");
        m_b.SetChecked(true);
        m_b.SetEnabled(false);
    }
    MenuItem m_top{*this, "m_top"};
    MenuItem m_a{m_top, "m_a"};
    MenuItem m_hidden{m_top, "m_hidden"};
    MenuItem m_b{m_top, "m_b"};
    MenuItem m_line{m_top, "m_line"};
    MenuItem m_sub{m_b, "m_sub"};
};

class w_handles : public Window {
public:
    w_handles() : Window("w_handles") { SetMenu(std::make_unique<m_handles>()); }
};

TEST(MenuHandles, PositionsAreTheVisibleItemsAndItemsKeepTheirOwnersData)
{
    w_handles window;
    auto &menu = *static_cast<m_handles *>(window.MenuID());
    const MenuHandle bar = GetMenu(window);
    ASSERT_NE(bar, 0u);
    EXPECT_EQ(GetMenu(window), bar);
    EXPECT_EQ(GetMenuItemCount(bar), 1);
    const MenuHandle top = GetSubMenu(bar, 0);
    EXPECT_EQ(GetMenuItemCount(top), 3);
    EXPECT_EQ(GetSubMenu(top, 0), 0u) << "no sub-items, no pop-up";
    EXPECT_NE(GetSubMenu(top, 1), 0u);
    EXPECT_EQ(GetMenuString(top, 1), "B");
    EXPECT_EQ(GetMenuString(top, 2), "") << "a separator";

    MenuItemInfo info;
    ASSERT_TRUE(GetMenuItemInfo(top, 1, info));
    EXPECT_EQ(info.state, kMenuChecked | kMenuGrayed);
    EXPECT_EQ(info.itemData, 0u);
    info.type = kMenuOwnerDraw;
    info.itemData = 42;
    ASSERT_TRUE(SetMenuItemInfo(top, 1, info));
    MenuItemInfo again;
    GetMenuItemInfo(top, 1, again);
    EXPECT_EQ(again.itemData, 42u);
    EXPECT_EQ(again.type, kMenuOwnerDraw);

    // Showing an item moves the ones after it.
    menu.m_hidden.SetVisible(true);
    GetMenuItemInfo(top, 2, again);
    EXPECT_EQ(again.itemData, 42u);
    EXPECT_FALSE(GetMenuItemInfo(top, 9, again));
    EXPECT_EQ(GetMenuItemCount(0), -1);
}

TEST(MenuHandles, TheSystemMenuAndAWindowListTakePositionsOfTheirOwn)
{
    w_handles window;
    auto &menu = *static_cast<m_handles *>(window.MenuID());
    const MenuHandle bar = GetMenu(window);
    const MenuHandle top = GetSubMenu(bar, 0);
    const MenuHandle system = GetSystemMenu(window);
    ASSERT_NE(system, 0u);
    EXPECT_EQ(GetSystemMenu(window), system);
    EXPECT_NE(GetSystemMenu(w_handles()), system) << "one per window";
    ASSERT_EQ(GetMenuItemCount(system), 7);
    EXPECT_EQ(GetMenuString(system, 0), "还原(&R)");
    EXPECT_EQ(GetMenuString(system, 5), "") << "a separator";
    EXPECT_EQ(GetMenuString(system, 6), "关闭(&C)\tAlt+F4");

    // The system menu at the front of the bar, as a frame shows a maximised
    // sheet's: the entries move down one.
    ASSERT_TRUE(InsertMenu(bar, 0, system));
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(GetSubMenu(bar, 0), system);
    EXPECT_EQ(GetMenuString(bar, 0), "");
    EXPECT_EQ(GetSubMenu(bar, 1), top);

    // A window list after the entries: a separator and one item per sheet.
    ASSERT_TRUE(AppendMenu(top, ""));
    ASSERT_TRUE(AppendMenu(top, "1 练习", kMenuChecked | kMenuGrayed));
    ASSERT_EQ(GetMenuItemCount(top), 5);
    EXPECT_EQ(GetMenuString(top, 3), "");
    EXPECT_EQ(GetMenuString(top, 4), "1 练习");
    EXPECT_EQ(GetSubMenu(top, 4), 0u);
    MenuItemInfo info;
    ASSERT_TRUE(GetMenuItemInfo(top, 4, info));
    EXPECT_EQ(info.state, kMenuChecked | kMenuGrayed);
    EXPECT_EQ(info.itemData, 0u);
    info.type = kMenuOwnerDraw;
    info.itemData = 9;
    info.state = 0;
    ASSERT_TRUE(SetMenuItemInfo(top, 4, info));
    MenuItemInfo again;
    GetMenuItemInfo(top, 4, again);
    EXPECT_EQ(again.itemData, 9u);
    EXPECT_EQ(again.type, kMenuOwnerDraw);
    EXPECT_EQ(again.state, kMenuChecked | kMenuGrayed) << "the state is the item's own";

    // An entry shown later takes its place among the entries, before the list.
    menu.m_hidden.SetVisible(true);
    EXPECT_EQ(GetMenuItemCount(top), 6);
    GetMenuItemInfo(top, 5, again);
    EXPECT_EQ(again.itemData, 9u);
    EXPECT_EQ(GetMenuString(top, 2), "B");

    EXPECT_FALSE(InsertMenu(0, 0, system));
    EXPECT_FALSE(AppendMenu(12345, "x"));
}

TEST(LogFonts, MadeFontsKeepTheirPropertiesAndMeasureText)
{
    LogFont wanted;
    wanted.height = -20;
    wanted.weight = 700;
    wanted.escapement = 900;
    wanted.faceName = String(40, 'F');
    const GdiObject font = CreateFontIndirect(wanted);
    LogFont got;
    ASSERT_TRUE(GetLogFont(font, got));
    EXPECT_EQ(got.faceName.size(), 31u) << "the face name is cut to 31 bytes";
    EXPECT_EQ(got.height, -20);
    EXPECT_EQ(got.escapement, 900);

    Canvas canvas;
    const GdiObject previous = SelectObject(canvas.hdc, font);
    TextMetric metrics;
    ASSERT_TRUE(GetTextMetrics(canvas.hdc, metrics));
    EXPECT_EQ(metrics.weight, 700);
    EXPECT_GE(metrics.height, 20);
    Rect plain, marked;
    CalcTextRect(canvas.hdc, "W", 1, plain);
    CalcTextRect(canvas.hdc, "&W", 2, marked);
    EXPECT_GT(plain.right, 0);
    EXPECT_EQ(marked.right, plain.right) << "an ampersand marks, it takes no room";
    EXPECT_FALSE(DeleteObject(font)) << "still selected";
    SelectObject(canvas.hdc, previous);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_FALSE(GetLogFont(font, got));
    EXPECT_EQ(GetTextFace(0), "");
    EXPECT_FALSE(GetTextMetrics(0, metrics));
}

} // namespace
