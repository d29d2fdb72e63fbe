// Ending the program through its close event, and the window's double-click.
#include "runtime/draw/units.h"
#include "runtime/script/error.h"
#include "runtime/ui/application.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/ui/datawindowcontrol.h"
#include "runtime/ui/halt.h"
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

} // namespace
