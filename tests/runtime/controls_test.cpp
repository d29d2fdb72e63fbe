// Controls the examination needs: the data window control, sorted drop-down
// lists, pictures at their own size; and the random numbers.
#include "ink.h"
#include "replaced.h"
#include "runtime/draw/colors.h"
#include "runtime/draw/picture.h"
#include "runtime/draw/units.h"
#include "runtime/script/error.h"
#include "runtime/script/random.h"
#include "runtime/ui/checkbox.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/ui/datawindowcontrol.h"
#include "runtime/ui/dropdownlist.h"
#include "runtime/ui/openuserobject.h"
#include "runtime/ui/picture.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/userobject.h"
#include "runtime/ui/window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

using namespace runtime;

namespace {

class w_controls : public Window {
public:
    w_controls() : Window("w_controls")
    {
        DataObject d("d_cells");
        d.column("a", ColumnType::Char, 1).bandHeight(Band::Detail, 200);
        d.text("t_1", Band::Detail, 0, 0, 400, 100, "1");
        dw_1->SetDataObject(d);
        dw_1.Move(0, 0);
        dw_1.Resize(800, 400);
    }
    DataWindowControl dw_1{*this, "dw_1"};
    DropDownListBox ddlb_1{*this, "ddlb_1"};
    Picture p_1{*this, "p_1"};
    CommandButton cb_1{*this, "cb_1"};
    CheckBox cbx_1{*this, "cbx_1"};
    StaticText st_1{*this, "st_1"};
};
GlobalWindow<w_controls> controls;

class Controls : public testing::Test {
protected:
    void SetUp() override { Open(controls); }
    void TearDown() override
    {
        Close(controls);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetSystemErrorHandler(nullptr);
    }
};

TEST_F(Controls, DataWindowClickRunsAsAnEventAndItsErrorsTakeTheSystemErrorRoute)
{
    EXPECT_EQ(controls->Controls().front(), &controls->dw_1);
    controls->dw_1->InsertRow(0);
    std::vector<String> clicked;
    controls->dw_1.clicked = [&](int, int, long row, String dwo) {
        clicked.push_back(String(row) + ":" + dwo);
        controls->dw_1->GetItemString(5, "a"); // no such row
    };
    std::vector<ErrorObject> errors;
    SetSystemErrorHandler([&] { errors.push_back(error); });
    controls->dw_1->clickAt(QPoint(UnitsToPixelsX(100), UnitsToPixelsY(50)));
    EXPECT_EQ(clicked, (std::vector<String>{"1:t_1"}));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].Object, "dw_1");
    EXPECT_EQ(errors[0].ObjectEvent, "clicked");
}

TEST_F(Controls, SortedListPlacesItemsAndSelectsNothingUntilTold)
{
    DropDownListBox &l = controls->ddlb_1;
    l.SetSorted(true);
    for (const char *item : {"C1--b", "A2--c", "B1--a", "A1--d"})
        l.AddItem(item);
    auto *combo = static_cast<QComboBox *>(l.widget());
    std::vector<String> items;
    for (int i = 0; i < combo->count(); ++i)
        items.push_back(FromQString(combo->itemText(i)));
    EXPECT_EQ(items, (std::vector<String>{"A1--d", "A2--c", "B1--a", "C1--b"}));
    EXPECT_EQ(l.Text(), "");
    EXPECT_EQ(l.SelectItem(6), -1);
    EXPECT_EQ(l.Text(), "");
    EXPECT_EQ(l.SelectItem(2), 2);
    EXPECT_EQ(l.AddItem("A0"), 1); // the selection stays on its item
    EXPECT_EQ(l.Text(), "A2--c");
    // The box shows one line, whatever the height that includes the list.
    l.Resize(600, 500);
    EXPECT_LT(l.widget()->height(), UnitsToPixelsY(500));
}

TEST_F(Controls, PictureAtItsOwnSizeTakesThePictureSize)
{
    Picture &p = controls->p_1;
    p.Resize(2000, 1200);
    p.SetOriginalSize(true);
    ASSERT_TRUE(p.SetPictureName("back.bmp"));
    EXPECT_EQ(p.widget()->size(), QSize(787, 582));
    p.SetOriginalSize(false);
    p.Resize(400, 400);
    EXPECT_EQ(p.widget()->size(), QSize(UnitsToPixelsX(400), UnitsToPixelsY(400)));
}

// A picture named again, also after the control was cleared in between (as a
// question shown anew clears and names it), is shown from what was loaded,
// not loaded again; another name loads, and so does a name after the window
// closed.
TEST_F(Controls, APictureNamedAgainIsNotLoadedAgain)
{
    std::vector<String> asked;
    Replaced loader(SetPictureLoader, [&](const String &name) {
        asked.push_back(name);
        QPixmap pixmap(4, 4);
        pixmap.fill(name == "images\\a.jpg" ? Qt::blue : Qt::green);
        return pixmap;
    });
    Picture &p = controls->p_1;
    auto shown = [&] { return p.widget()->grab().toImage().pixelColor(1, 1); };
    ASSERT_TRUE(p.SetPictureName("images\\a.jpg"));
    EXPECT_TRUE(p.SetPictureName("images\\a.jpg"));
    p.SetPictureName("");
    EXPECT_NE(shown(), QColor(Qt::blue));
    EXPECT_TRUE(p.SetPictureName("images\\a.jpg "));
    EXPECT_EQ(shown(), QColor(Qt::blue));
    EXPECT_EQ(p.PictureName(), "images\\a.jpg ");
    p.SetPictureName("images\\b.jpg");
    EXPECT_EQ(shown(), QColor(Qt::green));
    p.SetPictureName("images\\a.jpg");
    EXPECT_EQ(shown(), QColor(Qt::blue));
    p.WindowClosed();
    p.SetPictureName("images\\a.jpg");
    EXPECT_EQ(asked, (std::vector<String>{"images\\a.jpg", "", "images\\b.jpg", "images\\a.jpg", "images\\a.jpg"}));
}

// A script's changes of visibility reach the widgets once it returns: a
// control hidden and shown again by one script never leaves the screen, and
// Visible() reads what the script set at every moment. The focus moves as
// it would with each change made at once.
TEST_F(Controls, VisibilityChangedByAScriptShowsWhenItReturns)
{
    struct Watch : QObject {
        std::vector<QEvent::Type> seen;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Hide || e->type() == QEvent::Show)
                seen.push_back(e->type());
            return false;
        }
    } watch;
    StaticText &text = controls->st_1;
    CheckBox &box = controls->cbx_1;
    CommandButton &button = controls->cb_1;
    text.widget()->installEventFilter(&watch);

    std::vector<bool> read;
    button.clicked = [&] {
        text.SetVisible(false);
        read.push_back(text.Visible());
        text.SetVisible(true);
        read.push_back(text.Visible());
        box.SetVisible(false);
        read.push_back(box.Visible());
    };
    button.clicked.Trigger();
    EXPECT_EQ(read, (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(watch.seen.empty());
    EXPECT_TRUE(text.widget()->isVisible());
    EXPECT_FALSE(box.widget()->isVisible());
    EXPECT_FALSE(box.Visible());

    // Outside scripts a change shows at once.
    text.SetVisible(false);
    EXPECT_EQ(watch.seen, std::vector<QEvent::Type>{QEvent::Hide});
    text.SetVisible(true);
    box.SetVisible(true);
    EXPECT_TRUE(box.widget()->isVisible());

    // The focused control hidden, then the focus given: it lands there, and
    // the hidden one is hidden by then. Hidden alone: the focus leaves it.
    box.widget()->window()->activateWindow(); // as the window system does
    ASSERT_TRUE(QTest::qWaitForWindowActive(box.widget()->window()));
    box.SetFocus();
    ASSERT_TRUE(box.widget()->hasFocus());
    button.clicked = [&] {
        box.SetVisible(false);
        button.SetFocus();
        read.push_back(box.widget()->isVisible());
    };
    read.clear();
    button.clicked.Trigger();
    EXPECT_EQ(read, std::vector<bool>{false});
    EXPECT_TRUE(button.widget()->hasFocus());
    box.SetVisible(true);
    box.SetFocus();
    button.clicked = [&] { box.SetVisible(false); };
    button.clicked.Trigger();
    EXPECT_FALSE(box.widget()->isVisible());
    EXPECT_FALSE(box.widget()->hasFocus());
    box.SetVisible(true);
}

TEST_F(Controls, AUserObjectOpenedByAScriptJoinsTheControlsUntilClosed)
{
    const size_t before = controls->Controls().size();
    UserObject *opened = nullptr;
    int destroyed = 0;
    struct uo_counted : UserObject {
        uo_counted(ControlParent &parent, const String &name) : UserObject(parent, name) {}
    };
    uo_counted *uo = nullptr;
    ASSERT_EQ(OpenUserObject(*controls, uo, "uo_counted", 73, 64), 1);
    opened = uo;
    EXPECT_EQ(controls->Controls().size(), before + 1);
    EXPECT_EQ(controls->Controls().back(), opened);
    EXPECT_EQ(opened->X(), 73);
    EXPECT_EQ(opened->Y(), 64);
    EXPECT_EQ(opened->ClassName(), String("uo_counted"));
    EXPECT_TRUE(opened->widget()->isVisible());
    opened->destructor = [&] { ++destroyed; };
    EXPECT_EQ(CloseUserObject(*controls, *opened), 1);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(controls->Controls().size(), before);
    EXPECT_EQ(CloseUserObject(*controls, controls->p_1), -1);
}

// A button or check box given black text draws it black while enabled and
// grey while disabled, as a disabled control looks on the desktop. A static
// text is disabled so that the pointer reaches what lies under it: it keeps
// drawing its text in its own colour, whatever that is.
TEST_F(Controls, DisabledButtonsDrawTheirTextGreyAndDisabledTextsInTheirOwnColour)
{
    struct Case {
        Control *control;
        long color;
        bool greyWhenDisabled;
    } cases[] = {{&controls->cb_1, 0, true},
                 {&controls->cbx_1, 0, true},
                 {&controls->st_1, 0, false},
                 {&controls->st_1, RGB(0, 0, 255), false},
                 {&controls->st_1, RGB(128, 128, 128), false}};
    controls->cb_1.SetText("上一题");
    controls->cbx_1.SetText("上一题");
    controls->st_1.SetText("上一题");
    for (const Case &c : cases) {
        const std::string name = c.control->widget()->metaObject()->className();
        c.control->Move(0, 500);
        c.control->Resize(400, 100);
        c.control->SetBackColor(RGB(192, 192, 192));
        c.control->SetTextColor(c.color);
        c.control->SetEnabled(true);
        EXPECT_TRUE(InkIs(Ink(c.control->widget()), ToQColor(c.color))) << name;
        c.control->SetEnabled(false);
        const QColor disabled = Ink(c.control->widget());
        if (c.greyWhenDisabled)
            EXPECT_GT(qGray(disabled.rgb()), 90) << name;
        else
            EXPECT_TRUE(InkIs(disabled, ToQColor(c.color))) << name;
    }
}

TEST(Colors, AHighByteOfOneKeepsTheRgbColourOfTheLowerBytes)
{
    EXPECT_EQ(ToQColor(32633329), QColor(241, 241, 241));
    EXPECT_EQ(ToQColor(RGB(1, 2, 3)), QColor(1, 2, 3));
    EXPECT_FALSE(ToQColor(kTransparent).isValid());
}

TEST(Random, RandCoversOneToNAndReseedingFromTheClockVaries)
{
    std::set<int> seen;
    for (int i = 0; i < 400; ++i) {
        const int r = Rand(4);
        ASSERT_TRUE(r >= 1 && r <= 4);
        seen.insert(r);
    }
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_EQ(Rand(0), 1);
    // Seeds taken in one instant still give different draws.
    std::set<std::vector<int>> draws;
    for (int i = 0; i < 20; ++i) {
        Randomize(0);
        draws.insert({Rand(1000), Rand(1000), Rand(1000)});
    }
    EXPECT_GT(draws.size(), 15u);
    Randomize(7);
    const int a = Rand(1000);
    Randomize(7);
    EXPECT_EQ(Rand(1000), a);

    // A fixed seed source stands in for the clock: every seed from it draws
    // the same numbers, whatever was drawn before.
    {
        Replaced seeds(SetSeedSource, [] { return 20141209ull; });
        Randomize(0);
        const std::vector<int> fixed{Rand(1000), Rand(1000), Rand(1000)};
        Rand(1000);
        Randomize(0);
        EXPECT_EQ((std::vector<int>{Rand(1000), Rand(1000), Rand(1000)}), fixed);
        EXPECT_EQ(NewSeed(), 20141209ull);
    }
    EXPECT_NE(NewSeed(), 20141209ull);
}

} // namespace
