// Windows on their own: global instances, modal waits, parameters, closing,
// triggered and posted events, timers on the manual clock, keys.
#include "replaced.h"
#include "runtime/draw/units.h"
#include "runtime/script/error.h"
#include "runtime/ui/application.h"
#include "runtime/ui/checkbox.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/ui/picture.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/window.h"
#include "x11_keys.h"

#include <QApplication>
#include <QBackingStore>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSemaphore>
#include <QThread>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

std::vector<std::string> journal;

// A main window that notes its events.
class w_note : public Window {
public:
    w_note() : Window("w_note")
    {
        open = [this] {
            journal.push_back("open:" + message.StringParm);
            cb_1.SetText("OK");
        };
        close = [] { journal.push_back("close"); };
        timer = [] { journal.push_back("tick"); };
        key = [](KeyCode k, unsigned flags) {
            journal.push_back("key:" + std::to_string(static_cast<int>(k)) + "/" + std::to_string(flags));
        };
        cb_1.clicked = [] { journal.push_back("cb_1"); };
        cbx_1.clicked = [] { journal.push_back("cbx_1"); };
        cb_1.Move(100, 40);
        cb_1.Resize(402, 116);
    }
    CommandButton cb_1{*this, "cb_1"};
    CheckBox cbx_1{*this, "cbx_1"};
};
GlobalWindow<w_note> note;

// A response window that hands back what its open event was given.
class w_ask : public Window {
public:
    w_ask() : Window("w_ask")
    {
        SetWindowType(WindowType::Response);
        open = [this] {
            journal.push_back("ask:" + message.StringParm);
            if (message.StringParm == "refuse")
                Close(*this);
        };
        cb_ok.clicked = [this] { CloseWithReturn(*this, "answer"); };
    }
    CommandButton cb_ok{*this, "cb_ok"};
};
GlobalWindow<w_ask> ask;

class Windows : public testing::Test {
protected:
    void SetUp() override
    {
        journal.clear();
        message = {};
    }
    void TearDown() override
    {
        Close(note);
        Close(ask);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(Windows, GlobalInstanceOpensOnceAndEmptiesOnClose)
{
    EXPECT_FALSE(note.IsValid());
    OpenWithParm(note, "first");
    ASSERT_TRUE(note.IsValid());
    w_note *first = &*note;
    EXPECT_EQ(Open(note), 1);
    EXPECT_EQ(&*note, first);
    EXPECT_EQ(journal, (std::vector<std::string>{"open:first"}));
    EXPECT_EQ(OpenWindows().size(), 1u);
    EXPECT_TRUE(note->widget()->isVisible());

    EXPECT_EQ(Close(note), 1);
    EXPECT_FALSE(note.IsValid());
    EXPECT_EQ(Close(note), -1);
    EXPECT_TRUE(OpenWindows().empty());
    Open(note); // the message object keeps its parameter until the next one
    EXPECT_EQ(journal, (std::vector<std::string>{"open:first", "close", "open:first"}));
}

TEST_F(Windows, EmptyInstanceIsANullObjectError)
{
    try {
        note->cb_1.SetText("x");
        FAIL() << "no error";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number(), static_cast<int>(ErrorNumber::NullObjectReference));
    }
}

TEST_F(Windows, ControlsArePlacedInWindowUnits)
{
    Open(note);
    EXPECT_EQ(note->cb_1.X(), 100);
    EXPECT_EQ(note->cb_1.Height(), 116);
    EXPECT_EQ(note->cb_1.widget()->geometry(), QRect(22, 10, 88, 29));
    ASSERT_EQ(note->Controls().size(), 2u);
    EXPECT_EQ(note->Controls()[0], &note->cb_1);
    EXPECT_EQ(note->cb_1.ParentWindow(), &*note);
}

TEST_F(Windows, ResponseWindowHoldsItsOpenerUntilItCloses)
{
    // Pressed from inside the nested loop, once the window shows.
    QTimer::singleShot(0, [] {
        journal.push_back("pressing");
        QTest::mouseClick(ask->cb_ok.widget(), Qt::LeftButton);
    });
    message.StringParm = "";
    OpenWithParm(ask, "question");
    journal.push_back("opener goes on");
    EXPECT_EQ(journal, (std::vector<std::string>{"ask:question", "pressing", "opener goes on"}));
    EXPECT_EQ(message.StringParm, "answer");
    EXPECT_FALSE(ask.IsValid());
}

TEST_F(Windows, ResponseWindowClosedByItsOpenEventDoesNotWait)
{
    OpenWithParm(ask, "refuse");
    EXPECT_FALSE(ask.IsValid());
    EXPECT_EQ(journal, (std::vector<std::string>{"ask:refuse"}));
}

TEST_F(Windows, TriggerRunsOnDisabledAndHiddenControlsPostWaitsItsTurn)
{
    Open(note);
    note->cb_1.SetEnabled(false);
    note->cbx_1.SetVisible(false);
    EXPECT_EQ(note->cb_1.clicked.Post(), 1);
    EXPECT_EQ(note->cbx_1.clicked.Trigger(), 1);
    note->cb_1.clicked.Trigger();
    EXPECT_EQ(journal, (std::vector<std::string>{"open:", "cbx_1", "cb_1"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(journal.back(), "cb_1");
    EXPECT_EQ(journal.size(), 4u);
    // A real click on the disabled button does nothing.
    QTest::mouseClick(note->cb_1.widget(), Qt::LeftButton);
    EXPECT_EQ(journal.size(), 4u);
    // An event without a script answers -1.
    EXPECT_EQ(note->cb_1.constructor.Trigger(), -1);
}

TEST_F(Windows, PostedEventsRunInOrderAndDieWithTheirWindow)
{
    Open(note);
    note->cbx_1.clicked.Post();
    note->cb_1.clicked.Post();
    QCoreApplication::processEvents();
    EXPECT_EQ(journal, (std::vector<std::string>{"open:", "cbx_1", "cb_1"}));

    note->cb_1.clicked.Post();
    Close(note);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(journal.back(), "close");
}

TEST_F(Windows, TimerTicksOnTheManualClockAndStops)
{
    ManualClock clock;
    Replaced installed(SetClock, &clock);
    Open(note);
    note->Timer(1);
    clock.Advance(Milliseconds(3500));
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "tick"), 3);
    note->Timer(0.5);
    clock.Advance(Milliseconds(1000));
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "tick"), 5);
    note->Timer(0);
    clock.Advance(Milliseconds(5000));
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "tick"), 5);
    note->Timer(1);
    Close(note);
    EXPECT_EQ(clock.RunningTimers(), 0);
}

TEST_F(Windows, KeyEventGetsVirtualKeyCodesWhateverHasTheFocus)
{
    Open(note);
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *expected;
    } cases[] = {
        {Qt::Key_A, Qt::NoModifier, "key:65/0"},
        {Qt::Key_D, Qt::ShiftModifier, "key:68/1"},
        {Qt::Key_Return, Qt::NoModifier, "key:13/0"},
        {Qt::Key_Enter, Qt::KeypadModifier, "key:13/0"},
        {Qt::Key_Plus, Qt::KeypadModifier, "key:107/0"},
        {Qt::Key_1, Qt::KeypadModifier, "key:97/0"},
        {Qt::Key_1, Qt::NoModifier, "key:49/0"},
        {Qt::Key_Left, Qt::NoModifier, "key:37/0"},
        {Qt::Key_PageDown, Qt::ControlModifier, "key:34/2"},
        {Qt::Key_F1, Qt::NoModifier, "key:112/0"},
        {Qt::Key_Escape, Qt::NoModifier, "key:27/0"},
        {Qt::Key_Space, Qt::NoModifier, "key:32/0"},
        // Without the platform's key number, shifted digits read as on a US
        // keyboard, and only the numeric pad's '*' is its multiply key.
        {Qt::Key_Exclam, Qt::ShiftModifier, "key:49/1"},
        {Qt::Key_Asterisk, Qt::ShiftModifier, "key:56/1"},
        {Qt::Key_Asterisk, Qt::KeypadModifier, "key:106/0"},
        {Qt::Key_End, Qt::KeypadModifier, "key:97/0"},
    };
    QWidget *targets[] = {note->cb_1.widget(), note->cbx_1.widget(), note->widget()};
    for (QWidget *target : targets)
        for (const auto &c : cases) {
            // A modifier is a key press of its own (Shift 16, Ctrl 17) first.
            journal.clear();
            QTest::keyPress(target, c.key, c.modifiers);
            ASSERT_FALSE(journal.empty()) << c.expected;
            EXPECT_EQ(journal.back(), c.expected) << target->metaObject()->className();
            EXPECT_EQ(std::count(journal.begin(), journal.end(), c.expected), 1);
        }
}

// The keys as X11 delivers them: the code names the key pressed, not the
// character it typed, and the numeric pad's digits count with NumLock on or
// off. Shift is a key press of its own (16) before the key.
TEST_F(Windows, KeyEventGetsThePhysicalKeyOfWhatX11Delivers)
{
    using namespace x11;
    Open(note);
    struct Case {
        X11Key key;
        const char *expected;
    } cases[] = {
        {Digit(1), "key:49/0"},      {Digit(9), "key:57/0"},      {Digit(0), "key:48/0"},
        {Shift1, "key:49/1"},        {Shift2, "key:50/1"},        {Shift3, "key:51/1"},
        {Shift4, "key:52/1"},        {Shift5, "key:53/1"},        {Shift6, "key:54/1"},
        {Shift7, "key:55/1"},        {Shift8, "key:56/1"},        {Shift9, "key:57/1"},
        {Ctrl1, "key:49/2"},         {Ctrl8, "key:56/2"},         {Alt1, "key:49/0"},
        {Alt8, "key:56/0"},          {Minus, "key:189/0"},        {Equal, "key:187/0"},
        {Plus, "key:187/1"},         {LetterA, "key:65/0"},       {ShiftA, "key:65/1"},
        {Return, "key:13/0"},        {Escape, "key:27/0"},        {KpEnter, "key:13/0"},
        {KpAdd, "key:107/0"},        {KpMultiply, "key:106/0"},   {KpSubtract, "key:109/0"},
        {KpInsert, "key:96/0"},      {KpEnd, "key:97/0"},         {KpDown, "key:98/0"},
        {KpNext, "key:99/0"},        {KpLeft, "key:100/0"},       {KpBegin, "key:101/0"},
        {KpRight, "key:102/0"},      {KpHome, "key:103/0"},       {KpUp, "key:104/0"},
        {KpPrior, "key:105/0"},      {KpDigit(0), "key:96/0"},    {KpDigit(1), "key:97/0"},
        {KpDigit(5), "key:101/0"},   {KpDigit(8), "key:104/0"},   {KpDigit(9), "key:105/0"},
        {KpAddLocked, "key:107/0"},  {KpSubtractLocked, "key:109/0"}, {KpMultiplyLocked, "key:106/0"},
        {ShiftKp1Locked, "key:97/1"}, {CtrlKp1Locked, "key:97/2"},
    };
    for (const auto &c : cases) {
        note->cb_1.SetFocus();
        journal.clear();
        x11::Press(note->widget(), c.key);
        ASSERT_FALSE(journal.empty()) << c.key.name;
        EXPECT_EQ(journal.back(), c.expected) << c.key.name;
        EXPECT_EQ(std::count(journal.begin(), journal.end(), c.expected), 1) << c.key.name;
    }
}

TEST_F(Windows, RunReturnsWhenTheLastWindowClosesAndClosesTheApplicationOnce)
{
    int closes = 0;
    Replaced closing(SetApplicationCloseHandler, [&] { ++closes; });
    Open(note);
    note->cb_1.clicked = [] { Close(note); };
    note->cb_1.clicked.Post();
    runtime::Run();
    EXPECT_FALSE(note.IsValid());
    EXPECT_EQ(closes, 1);
}

// Enter and Escape go to the default and cancel buttons while those can be
// pressed; otherwise the window's key event sees them.
class w_keys : public Window {
public:
    w_keys() : Window("w_keys")
    {
        key = [](KeyCode k, unsigned) { journal.push_back("key:" + std::to_string(static_cast<int>(k))); };
        cb_hidden.SetVisible(false);
        cb_hidden.SetDefault(true);
        cb_ok.SetDefault(true);
        cb_no.SetCancel(true);
        cb_hidden.clicked = [] { journal.push_back("cb_hidden"); };
        cb_ok.clicked = [] { journal.push_back("cb_ok"); };
        cb_no.clicked = [] { journal.push_back("cb_no"); };
    }
    CommandButton cb_hidden{*this, "cb_hidden"};
    CommandButton cb_ok{*this, "cb_ok"};
    CommandButton cb_no{*this, "cb_no"};
};
GlobalWindow<w_keys> keys;

TEST_F(Windows, DefaultAndCancelButtonsTakeEnterAndEscapeWhileUsable)
{
    Open(keys);
    QWidget *target = keys->cb_no.widget();
    QTest::keyClick(target, Qt::Key_Return);
    QTest::keyClick(target, Qt::Key_Escape);
    keys->cb_ok.SetVisible(false);
    keys->cb_no.SetEnabled(false);
    QTest::keyClick(keys->widget(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(keys->widget(), Qt::Key_Escape);
    EXPECT_EQ(journal, (std::vector<std::string>{"cb_ok", "cb_no", "key:13", "key:27"}));
    Close(keys);
}

// A response window that closes the window whose script waits on it: the
// script goes on with its window still there, which is freed only after the
// script has returned.
TEST_F(Windows, WindowClosedUnderAWaitingScriptIsFreedAfterTheScript)
{
    Open(note);
    QPointer<Window> opener = &*note;
    note->cb_1.clicked = [&] {
        QTimer::singleShot(0, [] {
            ask->cb_ok.clicked = [] {
                Close(note);
                Close(*ask);
            };
            QTest::mouseClick(ask->cb_ok.widget(), Qt::LeftButton);
        });
        Open(ask);
        QCoreApplication::processEvents();
        journal.push_back(opener ? "still there" : "freed");
    };
    QTest::mouseClick(note->cb_1.widget(), Qt::LeftButton);
    EXPECT_EQ(journal.back(), "still there");
    EXPECT_FALSE(note.IsValid());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(opener.isNull());
}

// A closed window gives back at once what showing it took (the image it was
// painted into, the image of its picture), not only when it is freed after
// the scripts: a window that they open is painted before that. The picture
// keeps its name.
TEST_F(Windows, AClosedWindowGivesBackAtOnceWhatShowingItTook)
{
    class w_face : public Window {
    public:
        w_face() : Window("w_face")
        {
            SetWindowState(WindowState::Maximized);
            p_1.SetOriginalSize(true);
            p_1.SetPictureName("back.bmp");
        }
        Picture p_1{*this, "p_1"};
    };
    GlobalWindow<w_face> face;
    Open(face);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(face->widget()));
    QCoreApplication::processEvents();
    w_face *closed = &*face;
    QPointer<Window> alive = closed;
    QBackingStore *store = closed->widget()->backingStore();
    auto *picture = static_cast<QLabel *>(closed->p_1.widget());
    ASSERT_TRUE(store);
    ASSERT_GT(store->size().width() * store->size().height(), 300000);
    ASSERT_FALSE(picture->pixmap().isNull());

    Close(face);
    ASSERT_FALSE(alive.isNull());
    EXPECT_LE(store->size().width() * store->size().height(), 1);
    EXPECT_TRUE(picture->pixmap().isNull());
    EXPECT_EQ(closed->p_1.PictureName(), "back.bmp");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

// Qt's worker threads deliver events through the application too. One that
// is busy with an event while the GUI thread closes a window must not make
// the close wait for it, nor keep the window from being freed.
TEST_F(Windows, AnEventOnAnotherThreadDoesNotHoldUpFreeingAClosedWindow)
{
    QSemaphore inside, release;
    class Busy : public QObject {
    public:
        Busy(QSemaphore &inside, QSemaphore &release) : inside_(inside), release_(release) {}
        bool event(QEvent *e) override
        {
            if (e->type() != QEvent::User)
                return QObject::event(e);
            inside_.release();
            release_.acquire();
            return true;
        }
        QSemaphore &inside_, &release_;
    };
    QThread worker;
    Busy busy(inside, release);
    busy.moveToThread(&worker);
    worker.start();
    QCoreApplication::postEvent(&busy, new QEvent(QEvent::User));
    inside.acquire();

    Open(note);
    QPointer<Window> closed = &*note;
    Close(note);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const bool freed = closed.isNull();

    release.release();
    worker.quit();
    worker.wait();
    EXPECT_TRUE(freed);
}

TEST_F(Windows, SizeIsTheOneOnTheScreen)
{
    Open(note);
    EXPECT_EQ(note->Width(), 2000); // a window's own default size
    EXPECT_EQ(note->Height(), 1200);

    class w_big : public Window {
    public:
        w_big() : Window("w_big") { SetWindowState(WindowState::Maximized); }
    };
    GlobalWindow<w_big> big;
    Open(big);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(big->Width(), PixelsToUnitsX(screen.width()), 60);
    EXPECT_NEAR(big->Height(), PixelsToUnitsY(screen.height()), 200);
    Close(big);
}

// A maximized window stands at minus its border, so that contents laid out
// from its X and Width keep equal margins on both sides of its client area.
TEST_F(Windows, AMaximizedWindowStandsAtMinusItsBorder)
{
    class w_wide : public Window {
    public:
        w_wide() : Window("w_wide")
        {
            SetResizable(true);
            SetWindowState(WindowState::Maximized);
        }
        CommandButton cb_band{*this, "cb_band"};
    };
    GlobalWindow<w_wide> wide;
    Open(wide);
    EXPECT_EQ(wide->X(), PixelsToUnitsX(-4));
    EXPECT_EQ(wide->Y(), PixelsToUnitsY(-4));
    wide->cb_band.Move(wide->X() + 50, 100);
    wide->cb_band.Resize(wide->Width() - 100, 100);
    const QRect band = wide->cb_band.widget()->geometry();
    const int left = band.left(), right = wide->Canvas()->width() - 1 - band.right();
    EXPECT_GT(left, 0);
    EXPECT_LE(std::abs(left - right), 2) << left << " " << right;
    Close(wide);
}

TEST(WindowUnits, RoundTripAtTheFixedFactors)
{
    EXPECT_EQ(UnitsToPixelsX(73), 16);
    EXPECT_EQ(UnitsToPixelsY(64), 16);
    EXPECT_EQ(PixelsToUnitsX(16), 73);
    EXPECT_EQ(PixelsToUnitsY(16), 64);
}

} // namespace
