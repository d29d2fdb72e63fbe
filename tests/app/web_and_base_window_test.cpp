// The web-fetch result and the base window's defaults.
#include "app/n_internetresult.h"
#include "app/w_windows.h"
#include "test_windows.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

using namespace runtime;

TEST(n_internetresult, KeepsTheLastDeliveryAsText)
{
    n_internetresult r;
    EXPECT_EQ(r.is_data, "");
    EXPECT_EQ(r.InternetData("<html>\xce\xac</html>"), 1);
    EXPECT_EQ(r.InternetData("second"), 1);
    EXPECT_EQ(r.is_data, "second");

    FakeNetwork none;
    n_internetresult untouched;
    Inet().GetURL("http://www.weituo-lianxi.example/", untouched);
    EXPECT_EQ(untouched.is_data, "");
}

class w_plain : public w_windows {
public:
    w_plain() : w_windows("w_plain") {}
};
GlobalWindow<w_plain> plain;

TEST(w_windows, ADescendantThatSetsNothingOpensCentredAndResizable)
{
    Open(plain);
    EXPECT_EQ(plain->Title(), "Untitled");
    EXPECT_EQ(plain->Width(), 2619);
    EXPECT_EQ(plain->Height(), 1436);
    EXPECT_TRUE(plain->Resizable());
    EXPECT_TRUE(plain->Center());
    EXPECT_EQ(plain->GetWindowType(), WindowType::Main);
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    const QPoint mine = plain->widget()->frameGeometry().center();
    EXPECT_LE((centre - mine).manhattanLength(), 4);
    CloseAllWindows();
}
