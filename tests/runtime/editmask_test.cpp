// The edit mask: digit places and the key-down event that comes before the
// field handles the key.
#include "runtime/ui/editmask.h"
#include "runtime/ui/window.h"

#include <QImage>
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

// The spin field draws its arrow buttons at its right edge, and a click on
// them steps the number as the arrow keys do.
TEST(EditMask, ASpinFieldShowsArrowsThatStepWhenClicked)
{
    Open(edit);
    edit->em_1.Resize(400, 88);
    const QImage plain = edit->em_1.widget()->grab().toImage();
    edit->em_1.SetSpin(true);
    edit->em_1.SetMinMax(1, 3);
    edit->em_1.SetText("2");
    QWidget *field = edit->em_1.widget();
    const QImage spinning = field->grab().toImage();
    // The arrows are drawn at the field's right edge.
    auto differs = [&](int fromX, int toX) {
        for (int y = 0; y < plain.height(); ++y)
            for (int x = fromX; x < toX; ++x)
                if (plain.pixel(x, y) != spinning.pixel(x, y))
                    return true;
        return false;
    };
    EXPECT_TRUE(differs(field->width() - 18, field->width()));

    const QPoint upper(field->width() - 8, field->height() / 4);
    const QPoint lower(field->width() - 8, field->height() * 3 / 4);
    auto clickAt = [&](QPoint at) {
        QWidget *target = field->childAt(at);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(field, at));
    };
    clickAt(upper);
    EXPECT_EQ(edit->em_1.Text(), "3");
    clickAt(upper); // the top of the range holds
    EXPECT_EQ(edit->em_1.Text(), "3");
    for (int i = 0; i < 3; ++i)
        clickAt(lower);
    EXPECT_EQ(edit->em_1.Text(), "1");
    edit->em_1.SetSpin(false);
    EXPECT_EQ(field->childAt(upper), nullptr);
    Close(edit);
}
