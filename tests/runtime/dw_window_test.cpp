#include "event_counter.h"
#include "replaced.h"
#include "runtime/draw/picture.h"
#include "runtime/draw/units.h"
#include "runtime/dw/datawindow.h"
#include "runtime/dw/print.h"
#include "runtime/dw/render.h"

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPaintEvent>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

// An answer card in small: number cells t_1..t_3 and answer texts t_101..t_103
// in one free-form row, with a line under them.
DataObject card()
{
    DataObject d("d_card");
    d.column("a", ColumnType::Char, 1).bandHeight(Band::Detail, 400).background(Colors::White);
    for (int n = 1; n <= 3; ++n) {
        const int x = 18 + (n - 1) * 128;
        d.text("t_" + std::to_string(n), Band::Detail, x, 40, 119, 92, String(n)).font("宋体", 8);
        d.text("t_" + std::to_string(n + 100), Band::Detail, x + 5, 80, 110, 52, "").background(1);
    }
    d.line("line_1", Band::Detail, 0, 200, 800, 200).pen(5, RGB(128, 128, 128));
    d.text("t_big", Band::Detail, 18, 240, 800, 120, "成绩").font("黑体", 20, 700);
    return d;
}

QImage grab(QWidget &w)
{
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    w.render(&image);
    return image;
}

// The colour at the middle of an object of the first detail row.
QColor colourAt(DataWindow &dw, const QImage &image, const char *object)
{
    const DrawObject *o = dw.dataObject().object(object);
    const QPoint centre(UnitsToPixelsX(static_cast<int>(Long(o->get("x")) + Long(o->get("width")) / 2)),
                        UnitsToPixelsY(static_cast<int>(Long(o->get("y")) + Long(o->get("height")) / 2)));
    return image.pixelColor(centre);
}

TEST(ModifyDescribe, PropertiesOfPresentationObjects)
{
    DataStore ds(card());
    EXPECT_EQ(ds.Modify("t_1.Text='it~'s \"q\" ~~'"), "");
    EXPECT_EQ(ds.Describe("t_1.text"), "it's \"q\" ~");
    EXPECT_EQ(ds.Modify("t_2.text=\"双引号\""), "");
    EXPECT_EQ(ds.Describe("T_2.TEXT"), "双引号");
    EXPECT_EQ(ds.Modify("t_101.Background.Mode='0' t_101.Background.Color='255'"), "");
    EXPECT_EQ(ds.Modify("t_102.background.mode=0"), ""); // unquoted value
    EXPECT_EQ(ds.Describe("t_101.background.mode t_101.background.color t_102.background.mode"), "0\n255\n0");
    EXPECT_EQ(ds.Modify("t_3.Font.Weight='700' t_3.x='500' t_3.Visible='0' t_3.Color='16776960'"), "");
    EXPECT_EQ(ds.Describe("t_3.font.weight"), "700");
    EXPECT_EQ(ds.Describe("t_3.x"), "500");
    EXPECT_EQ(ds.Describe("t_3.visible"), "0");
    EXPECT_EQ(ds.Describe("t_3.color"), "16776960");
    EXPECT_EQ(ds.Describe("t_1.font.height"), "-8");
    EXPECT_EQ(ds.Describe("t_1.font.face"), "宋体");
    EXPECT_EQ(ds.Modify("line_1.x1='20' line_1.y2='210'"), "");
    EXPECT_EQ(ds.Describe("line_1.x1 line_1.y2 line_1.pen.width"), "20\n210\n5");
    EXPECT_EQ(ds.Describe("t_1.type line_1.type t_1.band"), "text\nline\ndetail");
    EXPECT_EQ(ds.Describe("a.coltype a.id"), "char(1)\n1");

    // Unknown objects and properties, and properties without a value.
    EXPECT_EQ(ds.Describe("t_999.text"), "!");
    EXPECT_EQ(ds.Describe("t_1.nothing"), "!");
    EXPECT_EQ(ds.Describe("line_1.text"), "!");
    EXPECT_EQ(ds.Describe("t_1.tag"), "?");
    EXPECT_NE(ds.Modify("t_999.text='x'"), "");
    EXPECT_NE(ds.Modify("t_1.nothing='x'"), "");
    EXPECT_NE(ds.Modify("t_1.x='abc'"), "");
    EXPECT_NE(ds.Modify("t_1.text='unclosed"), "");
    EXPECT_NE(ds.Modify("t_1.text"), "");
    EXPECT_EQ(ds.Describe("t_1.x"), "18"); // failed changes leave the value

    EXPECT_EQ(ds.Describe("datawindow.detail.height"), "400");
    EXPECT_EQ(ds.Describe("Evaluate('len(~'abc~')', 0)"), "3");
}

// The targets Modify has found belong to the data object they were found
// in: another data object's objects lie elsewhere or are missing.
TEST(ModifyDescribe, ANewDataObjectHasTargetsOfItsOwn)
{
    DataStore ds(card());
    EXPECT_EQ(ds.Modify("t_2.text='a' t_2.background.color='255'"), "");
    DataObject other("d_other");
    other.text("t_0", Band::Detail, 0, 0, 10, 10, "first");
    other.text("t_2", Band::Detail, 0, 20, 10, 10, "second");
    ds.SetDataObject(other);
    EXPECT_EQ(ds.Modify("t_2.text='c' t_2.background.color='65280'"), "");
    EXPECT_EQ(ds.Describe("t_0.text t_0.background.color t_2.text t_2.background.color"),
              "first\n536870912\nc\n65280");
    ds.SetDataObject(DataObject("d_empty").column("a", ColumnType::Char, 1));
    EXPECT_NE(ds.Modify("t_2.text='d'"), "");
}

TEST(DataWindowPaint, CellsTextsAndLines)
{
    DataWindow dw;
    dw.SetDataObject(card());
    dw.Resize(900, 480);
    dw.InsertRow(0);
    dw.Modify("t_1.background.mode=0 t_1.background.color='" + String(RGB(194, 194, 194)) + "'");
    dw.Modify("t_2.background.mode=0 t_2.background.color='16776960'");
    QImage image = grab(dw);
    EXPECT_EQ(colourAt(dw, image, "t_2"), QColor(0, 255, 255));
    EXPECT_EQ(image.pixelColor(UnitsToPixelsX(400), UnitsToPixelsY(200)), QColor(128, 128, 128));

    // The answer text of a cell is transparent: the cell's colour shows through it.
    dw.Modify("t_101.text='√'");
    image = grab(dw);
    const QColor under = image.pixelColor(UnitsToPixelsX(18 + 5 + 2), UnitsToPixelsY(80 + 30));
    EXPECT_EQ(under, QColor(194, 194, 194));

    // Red after a wrong judgement.
    dw.Modify("t_1.background.color='255'");
    EXPECT_EQ(colourAt(dw, grab(dw), "t_1"), QColor(255, 0, 0));

    // The big text really paints dark glyph pixels on the white background.
    auto darkPixels = [&](const QImage &img) {
        int dark = 0;
        const QRect r(UnitsToPixelsX(18), UnitsToPixelsY(240), UnitsToPixelsX(800), UnitsToPixelsY(120));
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                dark += img.pixelColor(x, y).lightness() < 100;
        return dark;
    };
    EXPECT_GT(darkPixels(grab(dw)), 50);
    dw.Modify("t_big.visible='0'");
    EXPECT_EQ(darkPixels(grab(dw)), 0);
}

// Dark pixels (glyphs) inside a box given in units.
int darkPixelsIn(const QImage &image, const QRect &units)
{
    int dark = 0;
    const QRect r(UnitsToPixelsX(units.x()), UnitsToPixelsY(units.y()), UnitsToPixelsX(units.width()),
                  UnitsToPixelsY(units.height()));
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            dark += image.pixelColor(x, y).lightness() < 100;
    return dark;
}

// Painting keeps each object's properties parsed between paints: every kind
// of change made after a paint shows on the next one.
TEST(DataWindowPaint, ChangesAfterAPaintShowOnTheNext)
{
    DataWindow dw;
    dw.SetDataObject(card());
    dw.Resize(900, 480);
    dw.InsertRow(0);
    dw.Modify("t_2.background.mode=0 t_2.background.color='255'");
    EXPECT_EQ(colourAt(dw, grab(dw), "t_2"), QColor(255, 0, 0));

    const struct {
        const char *change;
        QColor shown;
    } colours[] = {
        {"t_2.background.color='65280'", QColor(0, 255, 0)},
        {"t_2.background.color='65280'", QColor(0, 255, 0)}, // the same text again
        {"t_2.background.color='0~tif(getrow() = 1, 16711680, 255)'", QColor(0, 0, 255)}, // an expression
        {"t_2.background.color='255'", QColor(255, 0, 0)},                                // fixed again
        {"t_2.background.mode='1'", QColor(255, 255, 255)},                               // transparent
    };
    for (const auto &c : colours) {
        ASSERT_EQ(dw.Modify(c.change), "") << c.change;
        EXPECT_EQ(colourAt(dw, grab(dw), "t_2"), c.shown) << c.change;
    }

    // A cell moved: its colour leaves the old place and shows at the new one.
    dw.Modify("t_2.background.mode='0' t_2.x='518'");
    QImage image = grab(dw);
    EXPECT_EQ(image.pixelColor(UnitsToPixelsX(146 + 59), UnitsToPixelsY(86)), QColor(255, 255, 255));
    EXPECT_EQ(colourAt(dw, image, "t_2"), QColor(255, 0, 0));

    // The font and the text of a text already painted.
    const QRect big(18, 240, 800, 120);
    const int normal = darkPixelsIn(grab(dw), big);
    ASSERT_GT(normal, 50);
    dw.Modify("t_big.font.height='-30'");
    EXPECT_GT(darkPixelsIn(grab(dw), big), normal * 5 / 4);
    dw.Modify("t_big.font.height='-20' t_big.font.weight='400'");
    EXPECT_LT(darkPixelsIn(grab(dw), big), normal * 9 / 10);
    dw.Modify("t_big.text=''");
    EXPECT_EQ(darkPixelsIn(grab(dw), big), 0);
    dw.Modify("t_big.text='成绩' t_big.font.weight='700'");
    EXPECT_EQ(darkPixelsIn(grab(dw), big), normal);
    // Its text colour, after its font and text were measured: red glyphs are
    // not dark, and black again draws them as before.
    dw.Modify("t_big.color='255'");
    EXPECT_EQ(darkPixelsIn(grab(dw), big), 0);
    dw.Modify("t_big.color='0'");
    EXPECT_EQ(darkPixelsIn(grab(dw), big), normal);
}

// Changes made by a script show together in one paint once it returns, also
// those made before a change that fails.
TEST(DataWindowPaint, AScriptsChangesShowInOnePaint)
{
    DataWindow dw;
    dw.SetDataObject(card());
    dw.Resize(900, 480);
    dw.InsertRow(0);
    dw.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dw));
    QApplication::processEvents();
    EventCounter counter{QEvent::Paint};
    dw.installEventFilter(&counter);

    for (int round = 0; round < 50; ++round)
        for (int n : {1, 2, 3})
            dw.Modify("t_" + String(n) + ".background.mode=0 t_" + String(n) + ".background.color='" +
                      String(round % 2 ? 255 : 65280) + "'");
    EXPECT_EQ(counter.count, 0);
    QApplication::processEvents();
    EXPECT_EQ(counter.count, 1);
    EXPECT_EQ(colourAt(dw, dw.grab().toImage(), "t_3"), QColor(255, 0, 0));

    counter.count = 0;
    EXPECT_NE(dw.Modify("t_3.background.color='65280' t_3.text"), "");
    QApplication::processEvents();
    EXPECT_EQ(counter.count, 1);
    EXPECT_EQ(colourAt(dw, dw.grab().toImage(), "t_3"), QColor(0, 255, 0));
}

// The regions of the paint events a widget receives.
class PaintRegions : public QObject {
public:
    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent *>(event)->region());
        return false;
    }
};

// A change of colours alone paints only where the recoloured objects drew,
// and what the window then shows is pixel for pixel what a paint of the whole
// window draws: also where a long text of another object runs over them, on
// either side and in the objects' order.
TEST(DataWindowPaint, ARecolourPaintsOnlyWhereTheObjectsDrewAndLooksTheSame)
{
    DataWindow dw;
    dw.SetDataObject(card());
    dw.Resize(900, 480);
    dw.InsertRow(0);
    dw.Modify("t_101.text='ABCDABCDABCD' t_101.font.weight=700 t_102.alignment=2 t_102.text='WWWWWWWWWWWWWW'");
    dw.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dw));
    QApplication::processEvents();
    PaintRegions paints;
    dw.installEventFilter(&paints);
    auto shown = [&] {
        return dw.screen()->grabWindow(dw.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    };

    const char *recolours[] = {
        "t_2.background.mode=0 t_2.background.color='65535'",
        "t_1.background.mode=0 t_1.background.color='16776960' t_2.background.color='12763842'",
        "t_3.background.mode=0 t_3.background.color='255' t_102.color='16711680'",
        "t_1.background.mode=1 t_2.background.color='16776960'",
    };
    for (const char *change : recolours) {
        paints.regions.clear();
        ASSERT_EQ(dw.Modify(change), "") << change;
        QApplication::processEvents();
        ASSERT_EQ(paints.regions.size(), 1u) << change;
        const QRect painted = paints.regions.front().boundingRect();
        EXPECT_LT(painted.width() * painted.height(), dw.width() * dw.height() / 2) << change;
        EXPECT_EQ(shown(), dw.grab().toImage().convertToFormat(QImage::Format_RGB32)) << change;
    }

    // The same colours again change nothing and paint nothing.
    paints.regions.clear();
    dw.Modify("t_2.background.color='16776960'");
    QApplication::processEvents();
    EXPECT_TRUE(paints.regions.empty());

    // Any other change paints the whole window.
    dw.Modify("t_2.text='8'");
    QApplication::processEvents();
    ASSERT_EQ(paints.regions.size(), 1u);
    EXPECT_EQ(paints.regions.front().boundingRect(), dw.rect());
    EXPECT_EQ(shown(), dw.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

// A list: a header and one detail band per row, with a computed field and a
// colour that an expression decides.
DataObject list()
{
    DataObject d("d_list");
    d.column("n", ColumnType::Long).column("name", ColumnType::Char, 20);
    d.bandHeight(Band::Header, 64).bandHeight(Band::Detail, 80).background(Colors::White);
    d.text("t_head", Band::Header, 0, 0, 400, 64, "序号");
    d.compute("compute_1", Band::Detail, 0, 8, 200, 64, "getrow()");
    d.columnField("name", Band::Detail, 200, 8, 400, 64);
    d.rectangle("r_mark", Band::Detail, 700, 8, 100, 64)
        .brush(RGB(0, 255, 0))
        .property("brush.color", "65280\tif(n > 10, 255, 65280)");
    return d;
}

TEST(DataWindowPaint, ExpressionColoursPerRow)
{
    DataWindow dw;
    dw.SetDataObject(list());
    dw.Resize(900, 400);
    for (int i = 1; i <= 2; ++i) {
        dw.InsertRow(0);
        dw.SetItem(i, "n", i * 10 - 5); // 5, 15
    }
    const QImage image = grab(dw);
    auto mark = [&](int row) {
        return image.pixelColor(UnitsToPixelsX(750), UnitsToPixelsY(64 + (row - 1) * 80 + 40));
    };
    EXPECT_EQ(mark(1), QColor(0, 255, 0));
    EXPECT_EQ(mark(2), QColor(255, 0, 0));
}

TEST(DataWindowScroll, RowsScrollAndTheReportTickCycles)
{
    DataWindow dw;
    dw.SetDataObject(list());
    dw.Resize(900, 64 + 5 * 80); // the header and five rows
    for (int i = 1; i <= 20; ++i) {
        dw.InsertRow(0);
        dw.SetItem(i, "name", "row " + std::to_string(i));
    }
    EXPECT_EQ(dw.VerticalScrollMaximum(), 15 * 80);
    EXPECT_EQ(dw.Describe("DataWindow.VerticalScrollMaximum"), "1200");

    std::vector<long> focus, scrolls;
    dw.rowfocuschanged = [&](long row) { focus.push_back(row); };
    dw.scrollvertical = [&](long pos) { scrolls.push_back(pos); };
    EXPECT_EQ(dw.ScrollToRow(12), 1);
    EXPECT_EQ(dw.GetRow(), 12);
    EXPECT_EQ(dw.VerticalScrollPosition(), 7 * 80); // row 12 is the last one in view
    EXPECT_EQ(focus, std::vector<long>{12});
    EXPECT_EQ(scrolls, std::vector<long>{560});

    // A click in the third visible row makes row 10 current and names the field.
    long clickedRow = -1;
    String clickedObject;
    dw.clicked = [&](int, int, long row, const String &object) {
        clickedRow = row;
        clickedObject = object;
    };
    dw.clickAt(QPoint(UnitsToPixelsX(300), UnitsToPixelsY(64 + 2 * 80 + 40)));
    EXPECT_EQ(clickedRow, 10);
    EXPECT_EQ(clickedObject, "name");
    EXPECT_EQ(dw.GetRow(), 10);
    dw.clickAt(QPoint(UnitsToPixelsX(100), UnitsToPixelsY(30))); // the header
    EXPECT_EQ(clickedRow, 0);
    EXPECT_EQ(clickedObject, "t_head");

    // The error report's timer tick: 4 units further each time, back to 1
    // once the stored position is past the maximum. A request past the end
    // shows the end; the scroll event reports where the rows really stand,
    // and only when that changes.
    long stored = 0;
    dw.scrollvertical = [&](long pos) { stored = pos; };
    dw.Modify("DataWindow.VerticalScrollPosition='1190'");
    EXPECT_EQ(stored, 1190);
    std::vector<long> requested;
    for (int tick = 0; tick < 6; ++tick) {
        const long maximum = Long(dw.Describe("DataWindow.VerticalScrollMaximum"));
        stored = stored > maximum ? 1 : stored + 4;
        requested.push_back(stored);
        dw.Modify("DataWindow.VerticalScrollPosition='" + String(stored) + "'");
    }
    EXPECT_EQ(requested, (std::vector<long>{1194, 1198, 1202, 1204, 1, 5}));
    EXPECT_EQ(dw.VerticalScrollPosition(), 5);

    // Fewer rows than fit: nothing to scroll.
    dw.Reset();
    dw.InsertRow(0);
    EXPECT_EQ(dw.Describe("DataWindow.VerticalScrollMaximum"), "0");
}

// Whether a column of the picture, between two rows, holds dark ink.
bool InkInColumns(const QImage &image, int left, int right, int top, int bottom)
{
    for (int x = std::max(0, left); x <= std::min(right, image.width() - 1); ++x)
        for (int y = top; y <= bottom; ++y)
            if (qGray(image.pixel(x, y)) < 100)
                return true;
    return false;
}

// Objects wider than the control show a horizontal scroll bar where the
// control has one; scrolled, the view shows the objects further right, and
// a click finds the object drawn under it.
TEST(DataWindowScroll, ObjectsWiderThanTheControlScrollSideways)
{
    DataWindow dw;
    dw.SetDataObject(card());
    dw.Modify("t_3.x='1100'"); // the third number, far to the right
    dw.InsertRow(0);
    dw.Resize(700, 520);
    dw.show();
    auto horizontalBar = [&]() -> QScrollBar * {
        for (QScrollBar *bar : dw.findChildren<QScrollBar *>())
            if (bar->orientation() == Qt::Horizontal)
                return bar;
        return nullptr;
    };
    ASSERT_NE(horizontalBar(), nullptr);
    EXPECT_FALSE(horizontalBar()->isVisible()); // without one, nothing scrolls sideways
    dw.SetHorizontalScrollPosition(300);
    EXPECT_EQ(dw.HorizontalScrollPosition(), 0);

    dw.SetHScrollBar(true);
    ASSERT_TRUE(horizontalBar()->isVisible());
    EXPECT_EQ(horizontalBar()->geometry().bottom(), dw.height() - 1);
    const int cellTop = UnitsToPixelsY(40), cellBottom = UnitsToPixelsY(40 + 92) - 1;
    EXPECT_TRUE(InkInColumns(grab(dw), 0, UnitsToPixelsX(18 + 119), cellTop, cellBottom)); // "1"

    // Dragged to the end: the right edge of the third cell is the view's.
    horizontalBar()->setValue(horizontalBar()->maximum());
    const int scrolled = dw.HorizontalScrollPosition();
    EXPECT_EQ(scrolled, 1100 + 119 - PixelsToUnitsX(dw.width()));
    const QImage image = grab(dw);
    const int third = UnitsToPixelsX(1100 - scrolled);
    EXPECT_TRUE(InkInColumns(image, third, third + UnitsToPixelsX(119), cellTop, cellBottom));
    EXPECT_FALSE(InkInColumns(image, 0, UnitsToPixelsX(18 + 119 - scrolled), cellTop, cellBottom)); // "1" gone
    String clicked;
    dw.clicked = [&](int, int, long, const String &object) { clicked = object; };
    dw.clickAt(QPoint(third + UnitsToPixelsX(60), UnitsToPixelsY(60)));
    EXPECT_EQ(clicked, "t_3");

    // Wide enough again: the bar goes and the view stands at the left.
    dw.Resize(1400, 520);
    EXPECT_FALSE(horizontalBar()->isVisible());
    EXPECT_EQ(dw.HorizontalScrollPosition(), 0);
}

// A sheet like the score sheet: fields the learner types into, in tab order.
DataObject sheet()
{
    DataObject d("d_sheet");
    d.column("cj", ColumnType::Char, 10).column("name", ColumnType::Char, 20).column("sfzh", ColumnType::Char, 18);
    d.bandHeight(Band::Detail, 600).background(Colors::White);
    d.text("t_1", Band::Detail, 400, 20, 600, 100, "成    绩   单").font("Arial", 16, 700);
    d.columnField("cj", Band::Detail, 100, 150, 500, 100).border(4);
    d.columnField("name", Band::Detail, 100, 300, 900, 100).tabOrder(10).border(4);
    d.columnField("sfzh", Band::Detail, 100, 450, 900, 100).tabOrder(20).border(4);
    return d;
}

TEST(DataWindowEdit, TypingTabbingAndAcceptText)
{
    QWidget window;
    window.resize(500, 300);
    auto *dw = new DataWindow(&window);
    dw->SetDataObject(sheet());
    dw->Resize(1200, 640);
    window.show();
    const long row = dw->InsertRow(0);
    dw->SetItem(row, "cj", String("95"));
    dw->ResetUpdate();

    // A click on the score field, which has no tab order, opens no edit.
    dw->clickAt(QPoint(UnitsToPixelsX(200), UnitsToPixelsY(200)));
    auto *editor = dw->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->isVisible());

    dw->clickAt(QPoint(UnitsToPixelsX(200), UnitsToPixelsY(350)));
    ASSERT_TRUE(editor->isVisible());
    editor->setFocus();
    QTest::keyClicks(editor, "Zhang");
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(dw->GetItemString(row, "name"), "Zhang");
    QTest::keyClicks(editor, "110");
    EXPECT_EQ(dw->GetItemString(row, "sfzh"), ""); // not yet taken over
    EXPECT_EQ(dw->AcceptText(), 1);
    EXPECT_EQ(dw->GetItemString(row, "sfzh"), "110");
    EXPECT_EQ(dw->GetItemStatus(row, "cj"), ItemStatus::NotModified);
    EXPECT_EQ(dw->GetItemStatus(row, "name"), ItemStatus::DataModified);

    // Tab from the last field goes round to the first.
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(editor->text(), "Zhang");

    // A char(20) field takes 20 characters, typed or pasted, Chinese too.
    editor->selectAll();
    editor->insert(QString(5000, QChar(0x5F20)) + "'x");
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(dw->GetItemString(row, "name"), FromQString(QString(20, QChar(0x5F20))));
}

// The text of a PDF file, read back with pdftotext.
String pdfText(const QString &file)
{
    QProcess p;
    p.start("pdftotext", {"-enc", "UTF-8", file, "-"});
    p.waitForFinished(10000);
    return FromQString(QString::fromUtf8(p.readAllStandardOutput()));
}

TEST(DataWindowPrint, PrintsEveryRowThroughTheHandler)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("sheet.pdf");
    Replaced printing(SetPrintHandler, [&](const DataStore &store) {
        QPdfWriter writer(file);
        writer.setResolution(300);
        return PrintPages(store, writer);
    });

    DataWindow dw;
    dw.SetDataObject(sheet());
    for (const char *name : {"Alice", "Bob"}) {
        const long row = dw.InsertRow(0);
        dw.SetItem(row, "cj", String("90"));
        dw.SetItem(row, "name", String(name));
    }
    EXPECT_EQ(dw.Print(), 1);

    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    if (!QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        const String text = pdfText(file);
        EXPECT_NE(text.find("Alice"), std::string::npos);
        EXPECT_NE(text.find("Bob"), std::string::npos);
        EXPECT_NE(text.find("90"), std::string::npos);
    }
}

TEST(DataWindowPrint, RowsThatDoNotFitGoToTheNextPage)
{
    DataStore ds(list());
    for (int i = 1; i <= 100; ++i)
        ds.InsertRow(0);
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath("list.pdf"));
    EXPECT_EQ(PrintPages(ds, writer), 1);
    // An A4 page holds about 1000 px at 96 dpi: some 48 rows of 20 px each.
    const auto pages = PlacePages(ds, PixelsToUnitsY(1000));
    EXPECT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].front().band, Band::Header);
    EXPECT_EQ(pages[1].front().band, Band::Header);
    long rows = 0;
    for (const auto &page : pages)
        for (const auto &band : page)
            rows += band.band == Band::Detail;
    EXPECT_EQ(rows, 100);
}

} // namespace

namespace {

// A status bar in small: a date-time column shown through computed fields,
// one of them coloured by the weekday.
TEST(DataWindowPaint, StatusBarFieldsFollowTheirRow)
{
    DataObject d("d_status");
    d.column("sys_date", ColumnType::DateTime).bandHeight(Band::Detail, 72);
    d.text("st_mess", Band::Detail, 0, 12, 600, 48, "");
    d.compute("day", Band::Detail, 600, 12, 379, 48, "string( sys_date ,'yyyy年m月d日')");
    d.compute("weekname", Band::Detail, 1000, 12, 160, 48,
              "case( daynumber(sys_date )  when 1 then '星期天' when 2 then '星期一' else '')")
        .colorExpression("case (daynumber(sys_date) when 1 then 255 when 7 then 255 else 0)");
    DataWindow dw;
    dw.SetDataObject(d);
    dw.Resize(1200, 84);
    EXPECT_EQ(dw.Modify("st_mess.text=\"维拓网 电话: 1234\""), "");
    EXPECT_EQ(dw.Describe("st_mess.text"), "维拓网 电话: 1234");
    dw.InsertRow(0);
    EXPECT_EQ(dw.Describe("Evaluate('day', 1)"), ""); // nothing until the date is set

    dw.SetItem(1, "sys_date", String("2014-09-07 09:05:00")); // a Sunday
    EXPECT_EQ(dw.Describe("Evaluate('day + weekname', 1)"), "2014年9月7日星期天");
    const DrawObject &weekname = *dw.dataObject().object("weekname");
    EXPECT_EQ(ResolveProperty(dw, weekname, "color", 1), "255");
    dw.SetItem(1, "sys_date", String("2014-09-01 21:05:00"));
    EXPECT_EQ(ResolveProperty(dw, weekname, "color", 1), "0");
    EXPECT_EQ(dw.Describe("Evaluate('weekname', 1)"), "星期一");
}

TEST(DataWindowEvents, MouseButtonsReachTheScripts)
{
    DataWindow dw;
    dw.SetDataObject(card());
    dw.Resize(900, 480);
    dw.InsertRow(0);
    dw.show();
    int right = 0;
    String object;
    dw.rbuttondown = [&] { ++right; };
    dw.clicked = [&](int, int, long, const String &name) { object = name; };
    const QPoint cell(UnitsToPixelsX(128 + 18 + 50), UnitsToPixelsY(60));
    QTest::mouseClick(&dw, Qt::RightButton, {}, cell);
    EXPECT_EQ(right, 1);
    EXPECT_EQ(object, "");
    QTest::mouseClick(&dw, Qt::LeftButton, {}, cell);
    EXPECT_EQ(object, "t_2");
    // The answer text lies over the lower part of its cell.
    QTest::mouseClick(&dw, Qt::LeftButton, {}, QPoint(UnitsToPixelsX(128 + 18 + 50), UnitsToPixelsY(110)));
    EXPECT_EQ(object, "t_102");
}

} // namespace

namespace {

TEST(DataWindowPaint, PicturesByNameAndByExpression)
{
    std::vector<String> asked;
    Replaced loader(SetPictureLoader, [&](const String &name) {
        asked.push_back(name);
        QPixmap pixmap(8, 8);
        pixmap.fill(name == "pic\\info.gif" ? Qt::blue : Qt::green);
        return pixmap;
    });
    DataObject d("d_pictures");
    d.column("pic", ColumnType::Char, 50).bandHeight(Band::Detail, 200).background(Colors::White);
    d.picture("p_2", Band::Detail, 0, 0, 73, 64, "pic\\info.gif");
    d.compute("compute_5", Band::Detail, 200, 0, 200, 100, "bitmap('images\\'+pic)");
    DataWindow dw;
    dw.SetDataObject(d);
    dw.Resize(600, 200);
    dw.InsertRow(0);
    dw.SetItem(1, "pic", String("tevral_7.jpg"));
    const QImage image = grab(dw);

    EXPECT_EQ(image.pixelColor(UnitsToPixelsX(36), UnitsToPixelsY(32)), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(UnitsToPixelsX(300), UnitsToPixelsY(50)), QColor(Qt::green));
    EXPECT_NE(std::find(asked.begin(), asked.end(), String("images\\tevral_7.jpg")), asked.end());
}

// The box of the ink (pixels darker than mid-grey) inside a box in pixels,
// and the ink in one column of it.
QRect inkBox(const QImage &image, const QRect &box)
{
    QRect ink;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.pixelColor(x, y).lightness() < 160)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// One-line texts paint inside their objects only. Each is drawn twice: in an
// object with room to spare, and in the object it must fit.
TEST(DataWindowPaint, OneLineTextsPaintInsideTheirObjectsAndShowWhole)
{
    const QString dotted = QStringLiteral(".MMMMMM.");
    const QString unit = QStringLiteral("北京市海淀区某某机动车驾驶员培训学校第一分校");
    const QString date = QStringLiteral("2026年12月11日");
    QFont arial("Arial");
    arial.setPixelSize(19); // 14 pt
    arial.setWeight(QFont::Bold);
    // A little too wide: nine tenths of its width in our font.
    const int narrow = PixelsToUnitsX(static_cast<int>(QFontMetricsF(arial).horizontalAdvance(dotted) * 0.9));

    DataObject d("d_fit");
    d.column("a", ColumnType::Char, 1).bandHeight(Band::Detail, 1200).background(Colors::White);
    d.text("roomy_dotted", Band::Detail, 40, 20, 2000, 160, FromQString(dotted)).font("Arial", 14, 700);
    d.text("dotted", Band::Detail, 40, 240, narrow, 112, FromQString(dotted)).font("Arial", 14, 700).align(Alignment::Center);
    d.text("unit", Band::Detail, 40, 440, 1426, 112, FromQString(unit)).font("Arial", 14, 700);
    d.text("roomy_date", Band::Detail, 40, 640, 800, 200, FromQString(date)).font("宋体", 9);
    d.text("date", Band::Detail, 40, 900, 379, 48, FromQString(date)).font("宋体", 9); // as in the status bar
    DataWindow dw;
    dw.SetDataObject(d);
    dw.Resize(2400, 1200);
    dw.InsertRow(0);
    const QImage image = grab(dw);
    auto box = [&](const char *name) { return ObjectRect(*dw.dataObject().object(name), 0); };

    // Nothing outside the objects.
    QImage outside = image;
    {
        QPainter blank(&outside);
        for (const char *name : {"roomy_dotted", "dotted", "unit", "roomy_date", "date"})
            blank.fillRect(box(name), Qt::white);
    }
    EXPECT_TRUE(inkBox(outside, outside.rect()).isNull());

    // A little too wide: drawn narrower, whole: the full stops at both ends show,
    // low dots and not the cut strokes of an M.
    const QRect dots = inkBox(image, box("dotted"));
    ASSERT_FALSE(dots.isNull());
    for (int x : {dots.left(), dots.right()}) {
        const QRect column = inkBox(image, QRect(x, dots.top(), 1, dots.height()));
        EXPECT_LE(column.height(), dots.height() / 3) << "column " << x;
    }
    EXPECT_GE(dots.width(), box("dotted").width() * 8 / 10);

    // Far too long: cut at the object's right edge.
    const QRect cut = inkBox(image, box("unit"));
    EXPECT_GE(cut.right(), box("unit").right() - 2);

    // Taller and wider in our font than its object: moved up and drawn
    // narrower, every row of its ink shown.
    const QRect roomy = inkBox(image, box("roomy_date"));
    const QRect tight = inkBox(image, box("date"));
    EXPECT_EQ(tight.height(), roomy.height());
    EXPECT_GT(roomy.width(), box("date").width());
}

} // namespace
