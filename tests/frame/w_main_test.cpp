// The frame: its opening, the layout when the navigation bar hides and
// shows, its menu's dispatch, the about box and closing.
#include "app/maker.h"
#include "app/w_error_trap.h"
#include "app/w_setup.h"
#include "frame/m_main.h"
#include "frame/w_about.h"
#include "frame/w_main.h"
#include "ink.h"
#include "replaced.h"
#include "running_program.h"
#include "runtime/draw/picture.h"
#include "runtime/draw/units.h"
#include "runtime/ui/clock.h"
#include "runtime/win32/ownerdraw.h"
#include "runtime/win32/shapes.h"

#include <QAction>
#include <QMenuBar>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace runtime;

class Frame : public RunningProgram {
protected:
    m_main &menu() { return *static_cast<m_main *>(w_main->MenuID()); }
    // Chooses an item in the frame's menu bar.
    void choose(MenuItem &item) { item.action()->trigger(); }
    // The frame's controls from back to front.
    int stackIndex(const Control &c) { return w_main->Canvas()->children().indexOf(c.widget()); }
};

TEST_F(Frame, OpensMaximizedWithTitleMenuLogoAndNavigationGroups)
{
    start();
    EXPECT_EQ(w_main->Title(), "维拓练习系统  V2014.09.01    www.weituo-lianxi.example (维拓网)");
    EXPECT_TRUE(w_main->widget()->isMaximized());
    EXPECT_EQ(w_main->GetWindowType(), WindowType::MDI);

    const QList<QAction *> bar = w_main->widget()->menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), ToQString("模拟考试与练习"));
    EXPECT_EQ(bar[1]->menu()->actions().size(), 4);

    EXPECT_FALSE(LoadPicture("pic\\cat.gif").isNull());
    EXPECT_EQ(w_main->p_logo.PictureName(), "pic\\cat.gif");

    const auto &groups = w_main->uo_look.groups;
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0]->groupid, "模拟考试与练习");
    EXPECT_EQ(groups[1]->text, "系统帮助");
    std::vector<String> buttons;
    for (const auto &g : groups)
        for (nvo_qq_node *b = g->firstnode; b; b = b->nextnode) {
            buttons.push_back(b->btnid);
            EXPECT_EQ(b->picnormal, "pic\\logo.gif");
        }
    EXPECT_EQ(buttons, (std::vector<String>{"模拟考试", "套餐练习", "错误回顾", "系统设置", "关于本软件",
                                            "隐藏导航栏", "显示导航栏", "退出系统"}));

    // The hyperlinks open their own text as the address.
    QTest::mouseClick(w_main->shl_1.widget(), Qt::LeftButton);
    EXPECT_EQ(opened, std::vector<String>{w_main->shl_1.Text()});
    EXPECT_EQ(w_main->shl_1.Text(), kMakerHomePage);
}

TEST_F(Frame, StatusBarShowsTheMakerTheUserAndTheMomentOfOpening)
{
    {
        Replaced now(SetDateTimeSource, [] { return String("2014-09-07 21:05:00"); }); // a Sunday evening
        start();
    }
    DataWindow &bar = *w_main->dw_frame_status_bar;
    EXPECT_EQ(bar.DataObjectName(), "d_cm_status_bar");
    EXPECT_EQ(bar.Describe("st_mess.text"), str_sys.usercorp);
    EXPECT_EQ(bar.Describe("st_user.text"), "维拓网");
    EXPECT_EQ(bar.Describe("st_unitname.text"), "正常");
    ASSERT_EQ(bar.RowCount(), 1);
    EXPECT_EQ(bar.Describe("Evaluate('day + weekname + login_date', 1)"), "2014年9月7日星期天21:05");

    // Along the bottom of the work space, stretched to its width.
    const int width = w_main->WorkSpaceWidth();
    EXPECT_EQ(w_main->dw_frame_status_bar.Height(), 84);
    EXPECT_EQ(w_main->dw_frame_status_bar.X(), -4);
    EXPECT_EQ(w_main->dw_frame_status_bar.Y(), w_main->WorkSpaceHeight() - 84 + 4);
    EXPECT_EQ(w_main->dw_frame_status_bar.Width(), width + 4);
    EXPECT_EQ(bar.Describe("line_1.x2"), String(width));
    EXPECT_EQ(bar.Describe("line_3.x1"), String(width));
    EXPECT_EQ(bar.Describe("line_2.x2"), String(width - 54));
    EXPECT_EQ(bar.Describe("st_mess.width"), String(width - 2469 - 228));
    EXPECT_EQ(bar.Describe("p_resize.x"), String(width - 54));
}

TEST_F(Frame, BrowserStripFollowsWhetherTheSiteAnswers)
{
    start(); // no network
    EXPECT_EQ(network->asked, std::vector<String>{kMakerHomePage});
    EXPECT_FALSE(w_main->ole_web.Visible());
    CloseAllWindows();

    network.reset();
    network = std::make_unique<FakeNetwork>(Blob("<html>ok</html>"));
    start();
    EXPECT_TRUE(w_main->ole_web.Visible());
    EXPECT_EQ(w_main->ole_web.LocationURL(), kMakerNewsPage);
    EXPECT_EQ(network->asked, (std::vector<String>{kMakerHomePage, kMakerNewsPage}));

    // An empty page is no answer.
    CloseAllWindows();
    network.reset();
    network = std::make_unique<FakeNetwork>(Blob());
    start();
    EXPECT_FALSE(w_main->ole_web.Visible());
}

// The frame never waits for the network: it opens and takes input while the
// site has not answered, the strip shows when the answer comes, and an
// answer that comes after the frame has closed is dropped.
TEST_F(Frame, TheFrameOpensAtOnceWhileTheSiteIsSilent)
{
    std::vector<PageDone> pending;
    network.reset();
    Replaced fetcher(SetPageFetcher, [&](const String &url, auto done) {
        if (url == kMakerHomePage)
            pending.push_back(std::move(done));
        else
            done(Blob("<html>news</html>"));
    });
    start();
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_TRUE(w_main->widget()->isVisible());
    EXPECT_FALSE(w_main->ole_web.Visible());
    QTest::mouseClick(w_main->shl_1.widget(), Qt::LeftButton); // input is taken meanwhile
    EXPECT_EQ(opened, std::vector<String>{kMakerHomePage});

    pending[0](Blob("<html>ok</html>"));
    EXPECT_TRUE(w_main->ole_web.Visible());
    EXPECT_EQ(w_main->ole_web.LocationURL(), kMakerNewsPage);

    // A second frame whose answer comes too late.
    CloseAllWindows();
    start();
    ASSERT_EQ(pending.size(), 2u);
    CloseAllWindows();
    pending[1](Blob("<html>ok</html>"));
    EXPECT_TRUE(OpenWindows().empty());
}

TEST_F(Frame, HideAndShowMoveTheBarAndTheBackdrop)
{
    start();
    const int width = w_main->WorkSpaceWidth();
    const int height = w_main->WorkSpaceHeight();
    auto expectShown = [&] {
        EXPECT_EQ(w_main->uo_look.Width(), 571);
        EXPECT_EQ(w_main->mdi_1.X(), 583);
        EXPECT_EQ(w_main->mdi_1.Width(), width - 583);
        EXPECT_EQ(stackIndex(w_main->mdi_1), 0); // behind everything
    };
    expectShown();
    EXPECT_EQ(w_main->uo_look.Y(), 196);
    EXPECT_EQ(w_main->uo_look.Height(), height - 84 - w_main->uo_1.Height());
    EXPECT_EQ(w_main->mdi_1.Y(), 196);
    EXPECT_EQ(w_main->mdi_1.Height(), w_main->uo_look.Height());
    EXPECT_EQ(w_main->gb_1.X(), 583);
    EXPECT_EQ(w_main->gb_1.Width(), width - 571);
    EXPECT_EQ(w_main->p_logo.X(), width - 160 - 30);

    for (int twice = 0; twice < 2; ++twice) {
        choose(menu().m_隐藏导航栏);
        EXPECT_EQ(w_main->uo_look.Width(), 0);
        EXPECT_TRUE(w_main->uo_look.Visible());
        EXPECT_EQ(w_main->mdi_1.X(), 12);
        EXPECT_EQ(w_main->mdi_1.Width(), width - 12);
        EXPECT_EQ(w_main->gb_1.X(), 12);
        EXPECT_GT(stackIndex(w_main->mdi_1), stackIndex(w_main->uo_look)); // in front
        EXPECT_GT(stackIndex(w_main->mdi_1), stackIndex(w_main->st_3));
        EXPECT_GT(stackIndex(w_main->dw_frame_status_bar), stackIndex(w_main->mdi_1));
    }
    // A resize by the user keeps the bar hidden.
    w_main->widget()->resize(900, 600);
    EXPECT_EQ(w_main->mdi_1.X(), 12);
    EXPECT_EQ(w_main->mdi_1.Width(), w_main->WorkSpaceWidth() - 12);
    EXPECT_EQ(w_main->p_logo.X(), w_main->WorkSpaceWidth() - 190);

    for (int twice = 0; twice < 2; ++twice) {
        choose(menu().m_显示导航栏);
        EXPECT_EQ(w_main->uo_look.Width(), 571);
        EXPECT_EQ(w_main->mdi_1.X(), 583);
        EXPECT_EQ(stackIndex(w_main->mdi_1), 0);
    }
    EXPECT_TRUE(menu().m_隐藏导航栏.Enabled());
    EXPECT_TRUE(menu().m_显示导航栏.Enabled());
}

TEST_F(Frame, ANarrowWorkSpaceStopsTheLayoutAfterTheGroupBox)
{
    start();
    const int logoX = w_main->p_logo.X();
    const int barHeight = w_main->uo_look.Height();
    w_main->Canvas()->resize(2, 400); // 9 units: li_width - 10 <= 0
    EXPECT_EQ(w_main->WorkSpaceWidth(), 9);
    EXPECT_EQ(w_main->gb_1.Width(), 9 - 571);
    EXPECT_EQ(w_main->mdi_1.Width(), 9);
    EXPECT_EQ(w_main->p_logo.X(), logoX);
    EXPECT_EQ(w_main->uo_look.Height(), barHeight);

    w_main->Canvas()->resize(3, 400); // 14 units: the whole layout
    EXPECT_EQ(w_main->p_logo.X(), 14 - 190);
}

TEST_F(Frame, LogoAndMenuOpenTheSameModalAboutBox)
{
    start();
    for (int road = 0; road < 3; ++road) {
        std::vector<String> seen;
        WhenOpen(w_about, [&] {
            seen.push_back(w_about->st_1.Text());
            EXPECT_EQ(w_about->widget()->windowModality(), Qt::ApplicationModal);
            EXPECT_EQ(w_about->Title(), "关于本软件");
            EXPECT_EQ(w_about->cb_1.Text(), "确 定");
            QTest::mouseClick(w_about->cb_1.widget(), Qt::LeftButton);
        });
        if (road == 0)
            QTest::mouseClick(w_main->p_logo.widget(), Qt::LeftButton);
        else if (road == 1)
            choose(menu().m_关于本软件);
        else {
            // A navigation button posts the item's clicked event.
            w_main->uo_look.ue_button_clicked.Trigger("whatever group", "关于本软件");
            EXPECT_FALSE(w_about.IsValid());
            QCoreApplication::processEvents();
        }
        // The opener goes on only once the about box has closed.
        EXPECT_EQ(seen, std::vector<String>{"版本信息:v2014.09.01"}) << road;
        EXPECT_FALSE(w_about.IsValid());
    }
}

TEST_F(Frame, NavigationDispatchPostsTheFirstSubItemOfThatText)
{
    start();
    for (const char *id : {"系统帮助", "模拟考试与练习", "无此按钮", ""}) {
        w_main->uo_look.ue_button_clicked.Trigger("系统帮助", id);
        QCoreApplication::processEvents();
        EXPECT_EQ(OpenWindows().size(), 1u) << id;
    }
    w_main->uo_look.ue_button_clicked.Trigger("", "系统设置");
    EXPECT_FALSE(w_setup.IsValid());
    QCoreApplication::processEvents();
    EXPECT_TRUE(w_setup.IsValid());

    // With two items of one text, only the first in menu order runs.
    menu().m_显示导航栏.SetText("隐藏导航栏");
    w_main->ue_show.Trigger();
    w_main->uo_look.ue_button_clicked.Trigger("", "隐藏导航栏");
    QCoreApplication::processEvents();
    EXPECT_EQ(w_main->uo_look.Width(), 0);
}

TEST_F(Frame, ExitClosesTheFrameAndTheApplicationDisconnectsOnce)
{
    start();
    int closes = 0;
    SetApplicationCloseHandler([&] {
        ++closes;
        theApp().close();
    });
    menu().m_退出系统.clicked.Post();
    runtime::Run();
    EXPECT_FALSE(w_main.IsValid());
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(sqlca.IsConnected());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Frame, ARuntimeErrorInAMenuScriptReachesTheErrorReport)
{
    QTemporaryDir work; // the folder started from, which the log stays out of
    const QString previous = QDir::currentPath();
    QDir::setCurrent(work.path());
    start();
    menu().m_套餐练习.clicked = [] { w_about->cb_1.SetText("x"); }; // w_about is not open
    runtime::String shown, where;
    WhenOpen(w_error_trap, [&] {
        shown = w_error_trap->dw_error->GetItemString(1, "message");
        where = w_error_trap->dw_error->GetItemString(1, "where");
        QTest::mouseClick(w_error_trap->cb_continue.widget(), Qt::LeftButton);
    });
    choose(menu().m_套餐练习);
    QDir::setCurrent(previous);
    EXPECT_EQ(shown, "Null object reference");
    EXPECT_EQ(where, "m_main");
    EXPECT_FALSE(w_error_trap.IsValid());
    EXPECT_TRUE(w_main.IsValid());
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(QFile::exists(runtime::ToQString(gs_path + "err_info.txt")));
    EXPECT_FALSE(QFile::exists(work.filePath("err_info.txt")));
}

TEST_F(Frame, ItsMenuRendererHasNothingRegisteredSoRequestsChangeNothing)
{
    start();
    EXPECT_TRUE(w_main->inv_supermenu.items().empty());

    MeasureItemRecord measure{kOwnerDrawMenu, 0, 0, 40, 20, 1};
    RecordLease measureLease(measure);
    w_main->ue_measureitem.Trigger(0, measureLease.number());
    EXPECT_EQ(measure.itemWidth, 40u);
    EXPECT_EQ(measure.itemHeight, 20u);

    QImage image(50, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    DrawItemRecord draw;
    draw.ctlType = kOwnerDrawMenu;
    draw.hdc = CreateImageDC(image);
    draw.rcItem = {0, 0, 50, 20};
    draw.itemData = 1;
    draw.itemState = kItemSelected;
    RecordLease drawLease(draw);
    w_main->ue_drawitem.Trigger(0, drawLease.number());
    DeleteDC(draw.hdc);
    EXPECT_EQ(image.pixelColor(25, 10), QColor(Qt::blue));
}

// The columns of a row band of a picture that hold ink, from left to right,
// as runs: a glyph or a few glyphs each.
static std::vector<std::pair<int, int>> InkRuns(const QImage &image, int left, int right, int top, int bottom)
{
    const QColor face = Face(image, QRect(left, top, right - left + 1, bottom - top + 1));
    std::vector<std::pair<int, int>> runs;
    for (int x = left; x <= right; ++x) {
        bool ink = false;
        for (int y = top; y <= bottom && !ink; ++y) {
            const QColor c = image.pixelColor(x, y);
            ink = std::abs(c.red() - face.red()) + std::abs(c.green() - face.green()) +
                      std::abs(c.blue() - face.blue()) > 150;
        }
        if (ink && (runs.empty() || runs.back().second != x - 1))
            runs.push_back({x, x});
        else if (ink)
            runs.back().second = x;
    }
    return runs;
}

// The mean difference in grey between two pictures of one size.
static double GreyDistance(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return sum / (a.width() * a.height());
}

// A date with a two-digit month and day shows whole inside its field, clear
// of the weekday beside it.
TEST_F(Frame, TheStatusBarShowsALongDateWholeBesideTheWeekday)
{
    {
        Replaced now(SetDateTimeSource, [] { return String("2026-12-11 03:49:00"); }); // a Friday
        start();
    }
    DataWindow &bar = *w_main->dw_frame_status_bar;
    ASSERT_EQ(bar.Describe("Evaluate('day + weekname', 1)"), "2026年12月11日星期五");
    const int top = UnitsToPixelsY(12), bottom = UnitsToPixelsY(60) - 1;
    const int dayLeft = UnitsToPixelsX(1618), dayRight = UnitsToPixelsX(1618 + 379) - 1;
    const int weekLeft = UnitsToPixelsX(2030), weekRight = UnitsToPixelsX(2030 + 160) - 1;
    const QImage shown = bar.grab().toImage();
    const auto runs = InkRuns(shown, dayLeft - 4, weekRight, top, bottom);
    ASSERT_FALSE(runs.empty());
    // The date's ink ends inside its field, and a blank column parts it from
    // the weekday's.
    std::vector<std::pair<int, int>> date, week;
    for (const auto &run : runs)
        (run.first < weekLeft ? date : week).push_back(run);
    ASSERT_FALSE(date.empty());
    ASSERT_FALSE(week.empty());
    EXPECT_GE(date.front().first, dayLeft);
    EXPECT_LE(date.back().second, dayRight);
    EXPECT_LT(date.back().second + 1, week.front().first);

    // The date is whole, not cut at its field's edge: it looks like the date
    // drawn where it has room, narrowed to the width it takes, far more than
    // like that date cut off at the same width.
    bar.Modify("weekname.visible=0 login_date.visible=0 day.width=1200");
    const QImage roomyBar = bar.grab().toImage();
    const auto roomy = InkRuns(roomyBar, dayLeft - 4, weekRight, top, bottom);
    const int width = date.back().second - dayLeft + 1;
    const QImage seen = shown.copy(dayLeft, top, width, bottom - top + 1);
    const QImage whole = roomyBar.copy(dayLeft, top, roomy.back().second - dayLeft + 1, bottom - top + 1);
    ASSERT_GT(whole.width(), seen.width());
    const double narrowed = GreyDistance(seen, whole.scaled(seen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const double cut = GreyDistance(seen, whole.copy(0, 0, seen.width(), seen.height()));
    EXPECT_LT(narrowed * 2, cut) << narrowed << " " << cut;
}
