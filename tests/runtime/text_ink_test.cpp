// Static texts find where their ink ends from the glyphs' boxes, and draw a
// text to measure its ink only where that could decide how the lines sit:
// the boxes must never end above the ink, for any text of the bank in any
// font the windows show texts in.
#include "bank.h"
#include "runtime/ui/fitted_text.h"
#include "runtime/ui/fonts.h"

#include <QTextLayout>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

TEST(TextInk, TheGlyphBoxesNeverEndAboveTheInk)
{
    const bank::Bank bank = bank::ReadBank(SOURCE_DIR "/data", SOURCE_DIR "/resources/images");
    std::vector<QString> texts = {"gjpqy_(),;|", "﹏＿（）；，。", "A B C D", "√ ×"};
    for (const bank::Question &q : bank.questions) {
        texts.push_back(QString::fromStdString(q.text));
        for (const std::string &choice : q.choices)
            if (!choice.empty())
                texts.push_back(QString::fromStdString(choice));
    }
    const Font fonts[] = {{"宋体", 12, 700, kGB2312CharSet}, {"宋体", 16, 700, kGB2312CharSet},
                          {"黑体", 8, 400, kGB2312CharSet},  {"黑体", 10, 700, kGB2312CharSet},
                          {"黑体", 12, 400, kGB2312CharSet}, {"Arial", 9, 400, kAnsiCharSet},
                          {"Arial", 12, 400, kAnsiCharSet}};
    int measured = 0;
    for (const Font &f : fonts) {
        const QFont font = ToQFont(f);
        for (const QString &text : texts) {
            QTextLayout layout(text, font);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            const int ink = InkRows(font, text).second;
            ASSERT_GE(InkBottomAtMost(layout), ink) << f.face << " " << f.points << ": " << text.toStdString();
            ++measured;
        }
    }
    EXPECT_GT(measured, 2000);
}

} // namespace
