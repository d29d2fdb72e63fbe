// The systemerror route, menus as objects, and the manual clock.
#include "event_counter.h"
#include "pointer.h"
#include "runtime/dw/datastore.h"
#include "runtime/script/error.h"
#include "runtime/ui/clock.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/ui/hyperlink.h"
#include "runtime/ui/menu.h"
#include "runtime/ui/messagebox.h"
#include "runtime/ui/urlopener.h"
#include "runtime/ui/window.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>

using namespace runtime;

namespace {

std::vector<std::string> journal;

class m_test : public Menu {
public:
    m_test() : Menu("m_test")
    {
        m_file.SetText("文件");
        m_open.SetText("打开");
        m_quit.SetText("退出");
        m_help.SetText("帮助");
        m_open.clicked = [] { journal.push_back("open"); };
        m_quit.clicked = [] { journal.push_back("quit"); };
    }
    MenuItem m_file{*this, "m_file"};
    MenuItem m_open{m_file, "m_open"};
    MenuItem m_quit{m_file, "m_quit"};
    MenuItem m_help{*this, "m_help"};
};

class w_failing : public Window {
public:
    w_failing() : Window("w_failing")
    {
        SetMenu(std::make_unique<m_test>());
        cb_inner.clicked = [] {
            journal.push_back("inner starts");
            Raise(ErrorNumber::ArrayBoundaryExceeded);
            journal.push_back("inner ends"); // never
        };
        cb_outer.clicked = [this] {
            cb_inner.clicked.Trigger();
            journal.push_back("outer goes on");
        };
        cb_std.clicked = [] { throw std::out_of_range("bad index"); };
        shl_1.SetURL("http://www.weituo-lianxi.example/");
        shl_1.SetText("http://www.weituo-lianxi.example/");
        shl_1.Move(0, 200);
        shl_1.Resize(1000, 100);
        // The address this link opens is the one its clicked script names.
        shl_2.SetURL("http://bbs.weituo-lianxi.example");
        shl_2.SetText("本题解析");
        shl_2.Move(0, 400);
        shl_2.Resize(1000, 100);
        shl_2.clicked = [this] {
            shl_2.SetURL("http://bbs.weituo-lianxi.example/read-" + String(++threads) + "-0.html");
        };
    }
    m_test &menu() { return *static_cast<m_test *>(MenuID()); }
    CommandButton cb_inner{*this, "cb_inner"};
    CommandButton cb_outer{*this, "cb_outer"};
    CommandButton cb_std{*this, "cb_std"};
    StaticHyperLink shl_1{*this, "shl_1"};
    StaticHyperLink shl_2{*this, "shl_2"};
    int threads = 0;
};
GlobalWindow<w_failing> failing;

// Scripts failing in three ways, with the program lines the report must name.
class w_nobody : public Window {
public:
    w_nobody() : Window("w_nobody") {}
};
GlobalWindow<w_nobody> nobody; // never opened

int raiseLine = 0, itemLine = 0, nullScriptLine = 0, helperLine = 0, memberLine = 0;

// A function of the program that scripts call, as the answer-string helpers.
String f_helper(const String &as_string)
{
    helperLine = __LINE__ + 1;
    Raise(ErrorNumber::ArrayBoundaryExceeded);
    return as_string;
}

class w_lines : public Window {
public:
    w_lines() : Window("w_lines")
    {
        cb_raise.clicked = [] {
            raiseLine = __LINE__ + 1;
            Raise(ErrorNumber::DivideByZero);
        };
        cb_item.clicked = [this] {
            itemLine = __LINE__ + 1;
            ds.GetItemString(5, "no_such_column");
        };
        cb_null.clicked = [] { nobody->SetTitle("?"); }; nullScriptLine = __LINE__;
        cb_helper.clicked = [] { f_helper("1234"); };
        cb_member.clicked = [this] { f_member(); };
    }
    void f_member()
    {
        memberLine = __LINE__ + 1;
        ds.GetItemString(1, "a");
    }
    CommandButton cb_raise{*this, "cb_raise"};
    CommandButton cb_item{*this, "cb_item"};
    CommandButton cb_null{*this, "cb_null"};
    CommandButton cb_helper{*this, "cb_helper"};
    CommandButton cb_member{*this, "cb_member"};
    DataStore ds;
};
GlobalWindow<w_lines> lines;

class Scripts : public testing::Test {
protected:
    void SetUp() override
    {
        journal.clear();
        Open(failing);
    }
    void TearDown() override
    {
        Close(failing);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetSystemErrorHandler(nullptr);
        SetMessageBoxHandler(nullptr);
        SetUrlOpener(nullptr);
    }
};

TEST_F(Scripts, RuntimeErrorEndsItsScriptAndReachesSystemError)
{
    std::vector<ErrorObject> seen;
    SetSystemErrorHandler([&] { seen.push_back(error); });
    QTest::mouseClick(failing->cb_outer.widget(), Qt::LeftButton);
    EXPECT_EQ(journal, (std::vector<std::string>{"inner starts", "outer goes on"}));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Number, 3);
    EXPECT_EQ(seen[0].Text, "Array boundary exceeded");
    EXPECT_EQ(seen[0].WindowMenu, "w_failing");
    EXPECT_EQ(seen[0].Object, "cb_inner");
    EXPECT_EQ(seen[0].ObjectEvent, "clicked");
    EXPECT_GT(seen[0].Line, 0);

    failing->cb_std.clicked.Post();
    QCoreApplication::processEvents();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].Number, static_cast<int>(ErrorNumber::ExternalFunctionFailed));
    EXPECT_EQ(seen[1].Text, "Error calling external function: bad index");
    EXPECT_EQ(seen[1].Object, "cb_std");
}

// The report names the program's line that failed: where the script raised
// the error or called what refused, or, for an object found missing inside
// the runtime, the script's own line. A line in a function the script called
// comes with that function's name, so that the line belongs to what the
// report names: a function of the program's own, or one of the window's.
TEST_F(Scripts, TheErrorNamesTheProgramLineThatFailed)
{
    std::vector<ErrorObject> seen;
    SetSystemErrorHandler([&] { seen.push_back(error); });
    Open(lines);
    lines->cb_raise.clicked.Trigger();
    lines->cb_item.clicked.Trigger();
    lines->cb_null.clicked.Trigger();
    lines->cb_helper.clicked.Trigger();
    lines->cb_member.clicked.Trigger();
    Close(lines);
    ASSERT_EQ(seen.size(), 5u);
    for (const ErrorObject &e : seen)
        EXPECT_EQ(e.WindowMenu, "w_lines");
    EXPECT_EQ(seen[0].Object, "cb_raise");
    EXPECT_EQ(seen[0].ObjectEvent, "clicked");
    EXPECT_EQ(seen[0].Number, static_cast<int>(ErrorNumber::DivideByZero));
    EXPECT_EQ(seen[0].Line, raiseLine);
    EXPECT_EQ(seen[1].Number, static_cast<int>(ErrorNumber::InvalidRowOrColumn));
    EXPECT_EQ(seen[1].Line, itemLine);
    EXPECT_EQ(seen[2].Number, static_cast<int>(ErrorNumber::NullObjectReference));
    EXPECT_EQ(seen[2].Object, "cb_null");
    EXPECT_EQ(seen[2].Line, nullScriptLine);
    EXPECT_EQ(seen[3].Number, static_cast<int>(ErrorNumber::ArrayBoundaryExceeded));
    EXPECT_EQ(seen[3].Object, "f_helper");
    EXPECT_EQ(seen[3].ObjectEvent, "f_helper");
    EXPECT_EQ(seen[3].Line, helperLine);
    EXPECT_EQ(seen[4].Object, "w_lines");
    EXPECT_EQ(seen[4].ObjectEvent, "f_member");
    EXPECT_EQ(seen[4].Line, memberLine);
}

TEST_F(Scripts, WithoutAHandlerTheErrorShowsInAPlainBox)
{
    std::vector<MessageBoxRequest> boxes;
    SetMessageBoxHandler([&](const MessageBoxRequest &r) {
        boxes.push_back(r);
        return 1;
    });
    failing->cb_inner.clicked.Trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(Pos(boxes[0].text, "Array boundary exceeded"), 0);
    EXPECT_NE(Pos(boxes[0].text, "cb_inner"), 0);

    // An error inside the systemerror event itself does not loop.
    SetSystemErrorHandler([] { Raise(ErrorNumber::NullObjectReference); });
    failing->cb_inner.clicked.Trigger();
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(Scripts, MenuItemsAreObjectsInTheMenuBar)
{
    m_test &m = failing->menu();
    ASSERT_EQ(m.Item().size(), 2u);
    EXPECT_EQ(m.Item()[0], &m.m_file);
    ASSERT_EQ(m.m_file.Item().size(), 2u);
    EXPECT_EQ(m.m_file.Item()[1]->Text(), "退出");
    EXPECT_EQ(m.m_quit.ParentWindow(), &*failing);
    EXPECT_EQ(m.m_quit.WindowMenuName(), "m_test");

    QMenuBar *bar = failing->widget()->menuBar();
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_EQ(bar->actions()[0]->text(), ToQString("文件"));

    m.m_open.action()->trigger(); // chosen in the menu bar
    m.m_quit.clicked.Post();
    m.m_open.clicked.Trigger();
    EXPECT_EQ(journal, (std::vector<std::string>{"open", "open"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(journal, (std::vector<std::string>{"open", "open", "quit"}));

    m.m_open.SetEnabled(false);
    m.m_open.SetChecked(true);
    m.m_help.SetVisible(false);
    EXPECT_FALSE(m.m_open.action()->isEnabled());
    EXPECT_TRUE(m.m_open.action()->isChecked());
    EXPECT_FALSE(m.m_help.action()->isVisible());
    m.m_open.clicked.Trigger(); // triggered even when disabled
    EXPECT_EQ(journal.back(), "open");
}

TEST_F(Scripts, HyperlinkOpensItsAddressAfterItsClickedScript)
{
    std::vector<std::string> opened;
    SetUrlOpener([&](const String &url) { opened.push_back(ToUtf8(url)); });
    pointer::Click(failing->shl_1.widget());
    pointer::Click(failing->shl_2.widget());
    pointer::Click(failing->shl_2.widget());
    EXPECT_EQ(opened, (std::vector<std::string>{"http://www.weituo-lianxi.example/",
                                                "http://bbs.weituo-lianxi.example/read-1-0.html",
                                                "http://bbs.weituo-lianxi.example/read-2-0.html"}));
}

TEST(ManualClock, FiresDueTicksInTimeOrder)
{
    ManualClock clock;
    std::vector<int> ticks;
    const int slow = clock.Start(Milliseconds(300), [&] { ticks.push_back(300); });
    clock.Start(Milliseconds(200), [&] { ticks.push_back(200); });
    clock.Advance(Milliseconds(650));
    // At 600 both are due: the one started first goes first.
    EXPECT_EQ(ticks, (std::vector<int>{200, 300, 200, 300, 200}));
    clock.Stop(slow);
    clock.Advance(Milliseconds(200));
    EXPECT_EQ(ticks.back(), 200);
    EXPECT_EQ(clock.RunningTimers(), 1);
    clock.Pause(Milliseconds(200));
    EXPECT_EQ(ticks.back(), 200);
    EXPECT_EQ(clock.Now(), Milliseconds(1050));
}

TEST(RealClock, APauseRunsTimersAndHoldsTheUsersInputBackUntilItIsOver)
{
    QWidget widget;
    widget.resize(50, 50);
    widget.show();
    EventCounter counter{QEvent::MouseButtonPress};
    widget.installEventFilter(&counter);
    // A press as the platform queues it, and a timer due at once.
    const QPointF at(5, 5);
    QWindowSystemInterface::handleMouseEvent(widget.windowHandle(), at, widget.mapToGlobal(at), Qt::LeftButton,
                                             Qt::LeftButton, QEvent::MouseButtonPress);
    bool ticked = false;
    QTimer::singleShot(0, [&] { ticked = true; });

    Clock &clock = CurrentClock();
    const Milliseconds before = clock.Now();
    clock.Pause(Milliseconds(20));
    EXPECT_GT(clock.Now(), before);
    EXPECT_TRUE(ticked);
    EXPECT_EQ(counter.count, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.count, 1);
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
        widget.windowHandle(), at, widget.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
}

} // namespace
