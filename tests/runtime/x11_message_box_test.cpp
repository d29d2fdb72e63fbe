// A message box as a desktop shows it: the buttons carry their captions
// alone. Qt's standard buttons take icons from the desktop's theme on X11
// (the offscreen platform has none), so this runs on a real X server.
#include "runtime/text/text.h"
#include "runtime/ui/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

using namespace runtime;

// The hand-in confirmation as the learner sees it. Each button is drawn as
// it stands in the box and again without any icon; the two pictures are the
// same.
TEST(X11MessageBoxes, ButtonsShowTheirCaptionsWithoutIcons)
{
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    int buttonsSeen = 0;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton *b : box->buttons()) {
            const QImage shown = b->grab().toImage();
            b->setIcon(QIcon());
            EXPECT_TRUE(shown == b->grab().toImage()) << b->text().toStdString() << " shows an icon";
            ++buttonsSeen;
        }
        box->buttons().front()->click();
    });
    MessageBox("提示", "是否确认交卷?", Icon::Exclamation, Buttons::OKCancel);
    EXPECT_EQ(buttonsSeen, 2);
}
