// The edit mask: digit places and the key-down event that comes before the
// field handles the key.
#include "runtime/ui/editmask.h"
#include "runtime/ui/window.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

class w_edit : public Window {
public:
    w_edit() : Window("w_edit") { em_1.SetMask("###"); }
    EditMask em_1{*this, "em_1"};
};
GlobalWindow<w_edit> edit;

TEST(EditMask, DigitPlacesTakeDigitsOnlyAndNoMore)
{
    Open(edit);
    edit->em_1.SetText("1234");
    EXPECT_EQ(edit->em_1.Text(), "123");
    edit->em_1.SetText("a7");
    EXPECT_EQ(edit->em_1.Text(), "7");
    Close(edit);
}

TEST(EditMask, KeyDownHearsEveryKeyWithItsCodeAndFlags)
{
    Open(edit);
    std::vector<std::pair<KeyCode, unsigned>> heard;
    edit->em_1.keydown = [&](KeyCode key, unsigned flags) { heard.push_back({key, flags}); };
    QTest::keyClick(edit->em_1.widget(), Qt::Key_Return);
    QTest::keyClick(edit->em_1.widget(), Qt::Key_5, Qt::ShiftModifier);
    // The Shift key itself is heard too.
    ASSERT_GE(heard.size(), 2u);
    EXPECT_EQ(heard.front().first, KeyCode::KeyEnter);
    EXPECT_EQ(heard.back().first, KeyCode::Key5);
    EXPECT_EQ(heard.back().second, kShiftFlag);
    Close(edit);
}

TEST(EditMask, ASpinFieldStepsWithinItsRange)
{
    Open(edit);
    edit->em_1.SetSpin(true);
    edit->em_1.SetMinMax(1, 3);
    edit->em_1.SetText("2");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(edit->em_1.widget(), Qt::Key_Up);
    EXPECT_EQ(edit->em_1.Text(), "3");
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(edit->em_1.widget(), Qt::Key_Down);
    EXPECT_EQ(edit->em_1.Text(), "1");
    edit->em_1.SetSpin(false);
    QTest::keyClick(edit->em_1.widget(), Qt::Key_Up);
    EXPECT_EQ(edit->em_1.Text(), "1");
    Close(edit);
}

} // namespace
