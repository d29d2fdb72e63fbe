// The message box as the learner meets it: the buttons carry the captions a
// Chinese desktop gives them, and the one clicked is the number returned.
#include "runtime/text/text.h"
#include "runtime/ui/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>


using namespace runtime;

namespace {

// Shows a box of those buttons, reads their captions and clicks the one
// captioned `click`; returns MessageBox's answer.
int ShowAndClick(Buttons buttons, const QString &click, QStringList &captions)
{
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QAbstractButton *target = nullptr;
        for (QAbstractButton *b : box->buttons()) {
            captions.push_back(b->text());
            if (b->text() == click)
                target = b;
        }
        EXPECT_NE(target, nullptr);
        // A box without that button still closes, so the test goes on.
        if (target)
            target->click();
        else
            box->buttons().front()->click();
    });
    return MessageBox("警告", "是否确认交卷?", Icon::Question, buttons);
}

} // namespace

TEST(MessageBoxes, ButtonsCarryChineseCaptionsAndTheClickedOneIsAnswered)
{
    struct Case {
        Buttons buttons;
        QStringList captions;
    } cases[] = {
        {Buttons::OK, {ToQString("确定")}},
        {Buttons::OKCancel, {ToQString("确定"), ToQString("取消")}},
        {Buttons::YesNo, {ToQString("是(&Y)"), ToQString("否(&N)")}},
        {Buttons::YesNoCancel, {ToQString("是(&Y)"), ToQString("否(&N)"), ToQString("取消")}},
        {Buttons::RetryCancel, {ToQString("重试(&R)"), ToQString("取消")}},
        {Buttons::AbortRetryIgnore, {ToQString("中止(&A)"), ToQString("重试(&R)"), ToQString("忽略(&I)")}},
    };
    for (const Case &c : cases) {
        // The answer counts the buttons in the order the Buttons value names
        // them, whatever order the desktop lays them out in.
        for (int i = 0; i < c.captions.size(); ++i) {
            QStringList captions;
            const int answer = ShowAndClick(c.buttons, c.captions[i], captions);
            captions.sort();
            QStringList expected = c.captions;
            expected.sort();
            EXPECT_EQ(captions, expected);
            EXPECT_EQ(answer, i + 1);
        }
    }
}

// Qt's own standard buttons (those of the print dialog, say) speak Chinese
// whatever the desktop's language is.
TEST(MessageBoxes, QtStandardButtonsSpeakChineseWhateverTheDesktopLanguage)
{
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Close);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), ToQString("取消"));
    EXPECT_EQ(box.button(QDialogButtonBox::Close)->text(), ToQString("关闭"));
    EXPECT_EQ(box.button(QDialogButtonBox::Ok)->text(), ToQString("确定"));
}
