// Ending the program through its close event, the window's double-click,
// and the data window as a control whose events run as scripts.
#include "runtime/dw/datawindowcontrol.h"
#include "runtime/error.h"
#include "runtime/ui/application.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/ui/halt.h"
#include "runtime/ui/units.h"
#include "runtime/ui/window.h"
#include "test_windows.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

class w_host : public Window {
public:
    w_host() : Window("w_host")
    {
        DataObject d("d_lines");
        d.column("a", ColumnType::Char, 10).bandHeight(Band::Detail, 100);
        d.columnField("a", Band::Detail, 0, 0, 400, 80);
        dw_1.SetDataObject(d);
        dw_1.Move(200, 200);
        dw_1.Resize(800, 400);
        cb_1.Move(1200, 200);
        cb_1.Resize(300, 100);
    }
    DataWindowControl dw_1{*this, "dw_1"};
    CommandButton cb_1{*this, "cb_1"};
};
GlobalWindow<w_host> w_host;

class WindowEvents : public testing::Test {
protected:
    void SetUp() override
    {
        SetHaltHandler([this](int status) { journal.push_back("halt " + std::to_string(status)); });
        SetSystemErrorHandler([this] { errors.push_back(error); });
        Open(w_host);
    }
    void TearDown() override
    {
        CloseAllWindows();
        SetHaltHandler(nullptr);
        SetSystemErrorHandler(nullptr);
        SetApplicationCloseHandler(nullptr);
    }
    std::vector<std::string> journal;
    std::vector<ErrorObject> errors;
};

TEST_F(WindowEvents, HaltCloseRunsTheCloseEventOnceThenEnds)
{
    SetApplicationCloseHandler([this] { journal.push_back("close"); });
    HaltClose();
    EXPECT_EQ(journal, (std::vector<std::string>{"close", "halt 0"}));

    // A failing close event is reported, and the program still ends.
    journal.clear();
    SetApplicationCloseHandler([] { Raise(ErrorNumber::NullObjectReference); });
    HaltClose();
    EXPECT_EQ(journal, std::vector<std::string>{"halt 0"});
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].ObjectEvent, "close");
}

TEST_F(WindowEvents, DoubleClickOnTheWindowButNotOnItsControls)
{
    std::vector<std::pair<int, int>> places;
    w_host->doubleclicked = [&](unsigned long, int x, int y) { places.emplace_back(x, y); };
    QTest::mouseDClick(w_host->Canvas(), Qt::LeftButton, {}, QPoint(UnitsToPixelsX(73), UnitsToPixelsY(64)));
    QTest::mouseDClick(w_host->cb_1.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(w_host->dw_1.widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(places, (std::vector<std::pair<int, int>>{{73, 64}}));
}

TEST_F(WindowEvents, DataWindowControlEventsAreScripts)
{
    DataWindowControl &dw = w_host->dw_1;
    EXPECT_EQ(dw.widget()->geometry(), QRect(UnitsToPixelsX(200), UnitsToPixelsY(200), UnitsToPixelsX(800), UnitsToPixelsY(400)));
    for (int i = 0; i < 10; ++i)
        dw->InsertRow(0);

    std::vector<long> scrolls;
    std::vector<long> clickedRows;
    dw.scrollvertical = [&](long position) { scrolls.push_back(position); };
    dw.clicked = [&](int, int, long row, const String &) {
        clickedRows.push_back(row);
        dw->GetItemString(row + 100, "a"); // a row that does not exist
    };
    dw->Modify("DataWindow.VerticalScrollPosition='100'");
    EXPECT_EQ(scrolls, std::vector<long>{100});

    QTest::mouseClick(dw.widget(), Qt::LeftButton, {}, QPoint(10, UnitsToPixelsY(40)));
    EXPECT_EQ(clickedRows, std::vector<long>{2}); // scrolled by one row
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].Number, static_cast<int>(ErrorNumber::InvalidRowOrColumn));
    EXPECT_EQ(errors[0].WindowMenu, "w_host");
    EXPECT_EQ(errors[0].Object, "dw_1");
    EXPECT_EQ(errors[0].ObjectEvent, "clicked");
}

} // namespace
