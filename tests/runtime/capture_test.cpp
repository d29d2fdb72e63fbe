// Window handles, the mouse capture, the pointer position and the mouse
// messages of controls.
#include "platform_mouse.h"
#include "runtime/draw/units.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/userobject.h"
#include "runtime/ui/window.h"
#include "runtime/win32/capture.h"
#include "runtime/win32/mouse.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QCoreApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace runtime;

namespace {

struct Message {
    const char *name;
    unsigned long flags;
    int xpos, ypos;
};

// A user object that records its mouse messages.
class uo_mouse : public UserObject {
public:
    uo_mouse(ControlParent &parent, const String &name) : UserObject(parent, name)
    {
        BindMouse(*this, MouseMessage::MouseMove, ue_mousemove);
        BindMouse(*this, MouseMessage::LButtonDown, ue_lbuttondown);
        BindMouse(*this, MouseMessage::LButtonUp, ue_lbuttonup);
        BindCaptureChanged(*this, ue_capturechanged);
        ue_capturechanged = [this] { ++lost; };
        ue_mousemove = [this](unsigned long f, int x, int y) { got.push_back({"move", f, x, y}); };
        ue_lbuttondown = [this](unsigned long f, int x, int y) { got.push_back({"down", f, x, y}); };
        ue_lbuttonup = [this](unsigned long f, int x, int y) { got.push_back({"up", f, x, y}); };
    }
    MouseEvent ue_mousemove{this, "ue_mousemove"};
    MouseEvent ue_lbuttondown{this, "ue_lbuttondown"};
    MouseEvent ue_lbuttonup{this, "ue_lbuttonup"};
    Event<> ue_capturechanged{this, "ue_capturechanged"};
    StaticText st_1{*this, "st_1"};
    std::vector<Message> got;
    int lost = 0; // capture-changed messages
};

class w_mice : public Window {
public:
    w_mice() : Window("w_mice")
    {
        Resize(2000, 1600);
        uo_a.Move(0, 0);
        uo_a.Resize(700, 400);
        uo_a.st_1.Move(70, 40);
        uo_a.st_1.Resize(350, 80);
        uo_b.Move(0, 800);
        uo_b.Resize(700, 400);
    }
    uo_mouse uo_a{*this, "uo_a"};
    uo_mouse uo_b{*this, "uo_b"};
};
GlobalWindow<w_mice> mice;

// Sends a mouse event to a widget at a point in its own pixels, as the
// platform would.
void Send(QWidget *to, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton,
          Qt::MouseButtons held = Qt::NoButton)
{
    QMouseEvent event(type, QPointF(at), QPointF(to->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

class Capture : public testing::Test {
protected:
    void SetUp() override { Open(mice); }
    void TearDown() override
    {
        ReleaseCapture();
        Close(mice);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST(Handles, StandForTheirWidgetWhileItLives)
{
    auto widget = std::make_unique<QWidget>();
    const WindowHandle handle = HandleOf(widget.get());
    EXPECT_NE(handle, 0u);
    EXPECT_EQ(HandleOf(widget.get()), handle);
    EXPECT_EQ(WidgetOf(handle), widget.get());
    QWidget other;
    EXPECT_NE(HandleOf(&other), handle);
    widget.reset();
    EXPECT_EQ(WidgetOf(handle), nullptr);
    EXPECT_EQ(WidgetOf(0), nullptr);
    EXPECT_EQ(HandleOf(nullptr), 0u);
}

TEST_F(Capture, MouseMessagesArriveInWindowUnitsAndADisabledChildPassesThemToItsParent)
{
    Send(mice->uo_a.widget(), QEvent::MouseMove, {10, 20});
    Send(mice->uo_a.widget(), QEvent::MouseButtonPress, {10, 20}, Qt::LeftButton, Qt::LeftButton);
    Send(mice->uo_a.widget(), QEvent::MouseButtonRelease, {10, 20}, Qt::LeftButton);
    // A right button is no left-button message.
    Send(mice->uo_a.widget(), QEvent::MouseButtonPress, {10, 20}, Qt::RightButton, Qt::RightButton);
    mice->uo_a.st_1.SetEnabled(false);
    Send(mice->uo_a.st_1.widget(), QEvent::MouseMove, {2, 3});
    const auto &got = mice->uo_a.got;
    ASSERT_EQ(got.size(), 4u);
    EXPECT_STREQ(got[0].name, "move");
    EXPECT_EQ(got[0].xpos, PixelsToUnitsX(10));
    EXPECT_EQ(got[0].ypos, PixelsToUnitsY(20));
    EXPECT_STREQ(got[1].name, "down");
    EXPECT_EQ(got[1].flags, 1u);
    EXPECT_STREQ(got[2].name, "up");
    EXPECT_EQ(got[2].flags, 0u);
    EXPECT_EQ(got[3].xpos, PixelsToUnitsX(UnitsToPixelsX(70) + 2));

    mice->uo_a.SetEnabled(false);
    Send(mice->uo_a.widget(), QEvent::MouseMove, {10, 20});
    EXPECT_EQ(got.size(), 4u);
}

TEST_F(Capture, TheHolderGetsEveryMouseMessageAtItsOwnCoordinatesUntilReleased)
{
    const WindowHandle a = Handle(mice->uo_a);
    EXPECT_EQ(SetCapture(a), 0u);
    EXPECT_EQ(GetCapture(), a);
    // A move over the other object, 200 pixels below the holder's top.
    Send(mice->uo_b.widget(), QEvent::MouseMove, {5, 0});
    ASSERT_EQ(mice->uo_a.got.size(), 1u);
    EXPECT_TRUE(mice->uo_b.got.empty());
    EXPECT_EQ(mice->uo_a.got[0].xpos, PixelsToUnitsX(5));
    EXPECT_EQ(mice->uo_a.got[0].ypos, 800);

    EXPECT_EQ(SetCapture(Handle(mice->uo_b)), a);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), 0u);
    Send(mice->uo_b.widget(), QEvent::MouseMove, {5, 0});
    EXPECT_EQ(mice->uo_a.got.size(), 1u);
    EXPECT_EQ(mice->uo_b.got.size(), 1u);
    EXPECT_EQ(SetCapture(0), 0u);
    EXPECT_EQ(GetCapture(), 0u);
}

TEST_F(Capture, WhoeverEndsTheCaptureItsHolderIsTold)
{
    uo_mouse &a = mice->uo_a, &b = mice->uo_b;
    SetCapture(Handle(a));
    SetCapture(Handle(a)); // taking it again is no loss
    EXPECT_EQ(a.lost, 0);
    SetCapture(Handle(b));
    EXPECT_EQ(a.lost, 1);
    EXPECT_EQ(b.lost, 0);
    ReleaseCapture();
    EXPECT_EQ(b.lost, 1);
    ReleaseCapture(); // nobody holds it: nobody to tell
    EXPECT_EQ(a.lost + b.lost, 2);

    // Disabling the holder, or the object it stands on, ends the capture.
    SetCapture(Handle(a));
    a.SetEnabled(false);
    EXPECT_EQ(a.lost, 2);
    EXPECT_EQ(GetCapture(), 0u);
    a.SetEnabled(true);
    SetCapture(Handle(a.st_1));
    a.SetEnabled(false);
    EXPECT_EQ(GetCapture(), 0u);

    // So does closing its window.
    SetCapture(Handle(b));
    Close(mice);
    EXPECT_EQ(b.lost, 2);
    EXPECT_EQ(GetCapture(), 0u);
}

TEST_F(Capture, AModalWindowEndsTheCaptureAsItOpensAndTakesTheMouse)
{
    uo_mouse &a = mice->uo_a;
    PlatformMouse mouse;
    mouse.GlideTo(a, 100, 100);
    SetCapture(Handle(a));
    a.got.clear();

    QWidget dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setGeometry(QRect(mice->widget()->mapToGlobal(QPoint(300, 300)), QSize(100, 100)));
    QPushButton button(&dialog);
    button.setGeometry(10, 10, 50, 50);
    bool clicked = false;
    QObject::connect(&button, &QPushButton::clicked, [&] { clicked = true; });
    dialog.show();
    // Qt tells the window that the pointer has gone (the holder hears it as a
    // move), then that it is shut out: the capture ends before any input.
    ASSERT_EQ(a.got.size(), 1u);
    EXPECT_STREQ(a.got[0].name, "move");
    EXPECT_EQ(a.lost, 1);
    EXPECT_EQ(GetCapture(), 0u);
    mouse.Click(&button);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(a.got.size(), 1u);
}

TEST_F(Capture, WithoutACaptureAHeldButtonDoesNotTieTheMouseToWhereItWentDown)
{
    uo_mouse &a = mice->uo_a, &b = mice->uo_b;
    PlatformMouse mouse;
    mouse.GlideTo(a, 350, 200);
    mouse.Press();
    mouse.GlideTo(b, 350, 200);
    mouse.Release();
    // a hears of nothing once the pointer has left it; b gets the moves over
    // it and the release, as the operating system sends them.
    for (const Message &m : a.got)
        EXPECT_LT(m.ypos, 400) << m.name;
    const auto last = [](const uo_mouse &o) { return std::string(o.got.back().name); };
    EXPECT_EQ(last(b), "up");
    EXPECT_EQ(b.got.front().flags, 1u); // moved with the button held
    EXPECT_EQ(std::string(b.got.front().name), "move");

    // A push button keeps Qt's way: the release that ends its press.
    QPushButton push(mice->Canvas());
    push.setGeometry(300, 10, 60, 30);
    push.show();
    bool clicked = false;
    QObject::connect(&push, &QPushButton::clicked, [&] { clicked = true; });
    mouse.Click(&push);
    EXPECT_TRUE(clicked);
    mouse.GlideTo(&push, {30, 15});
    mouse.Press();
    mouse.GlideTo(b, 350, 200);
    mouse.Release();
    EXPECT_FALSE(push.isDown());
    EXPECT_EQ(last(b), "move");
}

TEST_F(Capture, APopUpMenuEndsTheCaptureAtItsFirstMouseMessage)
{
    uo_mouse &a = mice->uo_a;
    PlatformMouse mouse;
    mouse.GlideTo(a, 100, 100);
    SetCapture(Handle(a));
    QMenu menu;
    QAction *item = menu.addAction("item");
    bool chosen = false;
    QObject::connect(item, &QAction::triggered, [&] { chosen = true; });
    QTimer::singleShot(0, [&] {
        mouse.Click(&menu, menu.actionGeometry(item).center());
        menu.close();
    });
    menu.exec(mice->widget()->mapToGlobal(QPoint(400, 400)));
    EXPECT_TRUE(chosen);
    EXPECT_EQ(a.lost, 1);
    EXPECT_EQ(GetCapture(), 0u);
}

// A holder that lets the capture go when the pointer has left it: the control
// the pointer went onto meanwhile then hears a move where the pointer is,
// without the hand moving again, and can take the capture in its turn.
TEST_F(Capture, WhenTheCaptureEndsTheControlUnderThePointerHearsAMove)
{
    uo_mouse &a = mice->uo_a, &b = mice->uo_b;
    b.ue_mousemove = [&b](unsigned long, int x, int y) {
        const bool inside = x >= 0 && y >= 0 && x < b.Width() && y < b.Height();
        b.got.push_back({"move", 0, x, y});
        if (!inside)
            ReleaseCapture();
    };
    PlatformMouse mouse;
    mouse.GlideTo(b, 100, 100);
    SetCapture(Handle(b));
    QCoreApplication::processEvents();
    a.got.clear();
    // One quick motion from b straight onto a: it reaches the holder alone.
    mouse.JumpTo(a, 200, 200);
    EXPECT_EQ(GetCapture(), 0u);
    EXPECT_TRUE(a.got.empty());
    QCoreApplication::processEvents();
    ASSERT_EQ(a.got.size(), 1u);
    EXPECT_STREQ(a.got[0].name, "move");
    EXPECT_EQ(a.got[0].xpos, PixelsToUnitsX(UnitsToPixelsX(200)));
    EXPECT_EQ(a.got[0].ypos, PixelsToUnitsY(UnitsToPixelsY(200)));
    // A capture taken again before the move comes leaves it undelivered.
    SetCapture(Handle(b));
    ReleaseCapture();
    SetCapture(Handle(b));
    a.got.clear();
    QCoreApplication::processEvents();
    EXPECT_TRUE(a.got.empty());
}

TEST_F(Capture, TheHolderHearsOfThePointerLeavingItsWindow)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(mice->widget(), &leave);
    EXPECT_TRUE(mice->uo_a.got.empty());
    SetCapture(Handle(mice->uo_a));
    QApplication::sendEvent(mice->widget(), &leave);
    ASSERT_EQ(mice->uo_a.got.size(), 1u);
    EXPECT_STREQ(mice->uo_a.got[0].name, "move");
}

TEST_F(Capture, ThePointerIsWhereTheLastMouseMessageWasAndConvertsToAClientArea)
{
    Send(mice->uo_b.widget(), QEvent::MouseButtonRelease, {30, 40}, Qt::LeftButton);
    Point at;
    ASSERT_TRUE(GetCursorPos(at));
    const QPoint global = mice->uo_b.widget()->mapToGlobal(QPoint(30, 40));
    EXPECT_EQ(at.x, global.x());
    EXPECT_EQ(at.y, global.y());
    ASSERT_TRUE(ScreenToClient(Handle(*mice), at));
    EXPECT_EQ(at.x, 30);
    EXPECT_EQ(at.y, 40 + UnitsToPixelsY(800));
    Point unchanged{7, 8};
    EXPECT_FALSE(ScreenToClient(0, unchanged));
    EXPECT_EQ(unchanged.x, 7);
}

} // namespace
