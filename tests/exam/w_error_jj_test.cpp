// The prompt after too many wrong answers: its key labels under the buttons
// show whole.
#include "exam/w_error_jj.h"

#include "test_windows.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

// Rows of a box that hold the label's red ink.
int RedRows(const QImage &image, QRect box)
{
    int rows = 0;
    for (int y = box.top(); y <= box.bottom() && y < image.height(); ++y) {
        bool red = false;
        for (int x = box.left(); x <= box.right() && !red; ++x) {
            const QColor c = image.pixelColor(x, y);
            red = c.red() > 200 && c.green() < 120 && c.blue() < 120;
        }
        rows += red;
    }
    return rows;
}

TEST(ErrorPrompt, KeyLabelsUnderTheButtonsShowWhole)
{
    std::vector<int> rows;
    WhenOpen(w_error_jj, [&] {
        const QImage window = w_error_jj->Canvas()->grab().toImage();
        for (StaticText *st : {&w_error_jj->st_1, &w_error_jj->st_2}) {
            const QRect box = st->widget()->geometry();
            EXPECT_LE(box.bottom(), window.height() - 1) << "the window cuts the label";
            rows.push_back(RedRows(window, box));
            // Ink in the box's last row is a glyph running on past it.
            EXPECT_EQ(RedRows(window, box.adjusted(0, box.height() - 1, 0, 0)), 0) << "the label's text is cut";
        }
        Close(w_error_jj);
    });
    Open(w_error_jj);
    // A line of Chinese at 12 pt is some 15 rows of ink; cut, it kept 9.
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_GE(rows[0], 14);
    EXPECT_GE(rows[1], 14);
}

} // namespace
