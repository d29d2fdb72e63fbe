// The captions of the frame's toolbar and navigation bar as the learner sees
// them: drawn in the colours their buttons and headers give them, although
// each caption is a disabled text so that the pointer reaches its button.
#include "frame/w_main.h"
#include "ink.h"
#include "platform_mouse.h"
#include "running_program.h"
#include "runtime/draw/colors.h"
#include "runtime/win32/capture.h"

#include <QCoreApplication>

using namespace runtime;

namespace {

class FrameCaptions : public RunningProgram {
protected:
    void TearDown() override
    {
        ReleaseCapture();
        uo_qq_header::ib_captured = false;
        RunningProgram::TearDown();
    }
    // The ink of a caption as drawn inside the control that holds it.
    static QColor inkOf(const Control &holder, const StaticText &caption)
    {
        QCoreApplication::processEvents();
        return Ink(holder.widget()->grab(caption.widget()->geometry()).toImage());
    }
    PlatformMouse mouse;
};

} // namespace

TEST_F(FrameCaptions, ToolbarAndNavigationCaptionsAreBlackAndAHoveredHeaderBlue)
{
    start();
    const QColor black(0, 0, 0);
    ASSERT_EQ(w_main->uo_1.iuo_buttons.size(), 5u);
    for (uo_toolbar_button *b : w_main->uo_1.iuo_buttons)
        EXPECT_TRUE(InkIs(inkOf(*b, b->st_caption), black)) << b->buttontext;

    uo_qq_panel &first = *w_main->uo_look.panels.at(0);
    uo_qq_panel &second = *w_main->uo_look.panels.at(1);
    int shown = 0;
    for (uo_qq_button *b : first.buttons)
        if (b->Visible()) {
            ++shown;
            EXPECT_TRUE(InkIs(inkOf(*b, b->st_caption), black)) << b->of_text();
        }
    EXPECT_EQ(shown, 4);
    for (uo_qq_panel *p : {&first, &second})
        EXPECT_TRUE(InkIs(inkOf(p->uo_header, p->uo_header.st_caption), black)) << p->uo_header.of_text();

    // The pointer over the second group's header: its title turns blue.
    mouse.GlideTo(second.uo_header, 200, 40);
    ASSERT_TRUE(uo_qq_header::ib_captured);
    EXPECT_TRUE(InkIs(inkOf(second.uo_header, second.uo_header.st_caption), QColor(0, 0, 255)));
    EXPECT_TRUE(InkIs(inkOf(first.uo_header, first.uo_header.st_caption), black));
}

TEST_F(FrameCaptions, ADisabledButtonOrHeaderShowsItsCaptionInTheDisabledGrey)
{
    start();
    const QColor grey(128, 128, 128);
    uo_toolbar_button &tool = *w_main->uo_1.iuo_buttons.at(0);
    tool.of_enabled(false);
    EXPECT_TRUE(InkIs(inkOf(tool, tool.st_caption), grey));
    tool.of_enabled(true);
    EXPECT_TRUE(InkIs(inkOf(tool, tool.st_caption), QColor(0, 0, 0)));

    uo_qq_panel &first = *w_main->uo_look.panels.at(0);
    first.uo_header.of_enabled(false);
    EXPECT_TRUE(InkIs(inkOf(first.uo_header, first.uo_header.st_caption), grey));
    uo_qq_button &button = *first.buttons.at(0);
    button.of_enabled(false);
    EXPECT_TRUE(InkIs(inkOf(button, button.st_caption), grey));
}
