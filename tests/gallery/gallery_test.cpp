// The gallery: every window of the trainer in its main states, reached
// through the real windows by the pointer and the keys, drawn on a screen of
// 1280 × 1024 and compared pixel for pixel with the pictures kept in
// tests/gallery/reference/.
//
// Everything that could differ from one run to the next is fixed: the date
// and time, the seed of every random draw (the paper and the option order),
// the user's name, the clock behind the window timers (it moves only when a
// state asks), the text cursor (it does not blink), and the network (no page
// arrives, so the browser strips stay hidden).
//
// The pictures are drawn with the project's own fontconfig
// (tests/support/fonts.conf.in): only the fonts tools/setup.sh installs, with
// fixed rendering, so that the fonts and font settings a machine has besides
// change nothing.
//
// A state that differs from its reference fails the test by its name, and
// NAME.new.png (the picture now) and NAME.diff.png (the differing pixels in
// red) are written beside the reference; the end of the run says what to do
// about them. After a change of the look, look at each new picture, and when
// it shows what the learner should see, make it the reference:
//
//     GALLERY_ACCEPT=1 build/tests/gallery_test                  (every state)
//     GALLERY_ACCEPT=frame,about build/tests/gallery_test        (those named)
//
// and commit the references together with the change, saying in the message
// which were made again and why.
#include "exam/exam_fixture.h"
#include "failing_window.h"
#include "reference_pictures.h"

#include "app/w_error_trap.h"
#include "app/w_setup.h"
#include "exam/w_error_jj.h"
#include "exam/w_jj.h"
#include "exam/w_jj_enter.h"
#include "exam/w_open_error.h"
#include "exam/w_print.h"
#include "frame/w_about.h"
#include "frame/w_main.h"
#include "paper/w_find.h"
#include "platform_mouse.h"
#include "practice/w_jj_tc.h"
#include "practice/w_tc_select11.h"
#include "practice/w_tclx.h"
#include "review/w_error.h"
#include "review/w_error_select.h"
#include "running_program.h"
#include "runtime/script/random.h"
#include "runtime/ui/clock.h"
#include "runtime/win32/username.h"
#include "x11_keys.h"

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <set>

using namespace runtime;

namespace {

// The screen: the offscreen platform at 1280 × 1024 without window frames, as
// the trainer shows under an X server without a window manager. Set before
// the application object starts the platform.
const bool kScreenChosen = [] {
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" GALLERY_DIR "/screen.json", 1);
    return true;
}();

// The states whose pictures differed from their references, told about once
// every test has run.
class DifferingStates : public testing::Environment {
public:
    void Add(const std::string &state) { states_.push_back(state); }
    void TearDown() override;

private:
    std::vector<std::string> states_;
};
DifferingStates *const kDiffering =
    static_cast<DifferingStates *>(testing::AddGlobalTestEnvironment(new DifferingStates));

// The states of the gallery, each with its reference picture.
const std::set<std::string> kStates = {
    "frame", "frame_header_hovered",
    // The examination, from the class window to the score sheet.
    "class_window", "exam_true_false", "exam_true_false_answered", "exam_forced_study", "exam_true_false_judged",
    "exam_single_choice_answered", "exam_single_choice_judged", "exam_multiple_choice", "exam_multiple_choice_answered",
    "exam_multiple_choice_judged", "exam_prompt", "exam_hand_in", "result", "score_sheet", "score_sheet_filled",
    // Practice and review.
    "chooser", "practice", "practice_right_pick", "practice_wrong_pick", "number_dialog", "practice_score",
    "review_chooser", "review", "review_right_pick", "review_wrong_pick",
    // The rest.
    "settings", "about", "error_report"};

class Gallery : public RunningProgram {
protected:
    Gallery() : RunningProgram(RealBank()) {}

    void SetUp() override
    {
        ASSERT_TRUE(kScreenChosen);
        ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1280, 1024));
        // The globals as a new trainer has them: no class chosen yet.
        gs_cx = "";
        gs_error_jj_flag = "0";
        RunningProgram::SetUp();
        SetClock(&clock);
        // A Friday, with a month and a day of two digits.
        SetDateTimeSource([] { return String("2026-12-11 09:41:27"); });
        SetSeedSource([] { return 20141209ull; });
        SetUserNameSource([] { return String("learner"); });
        QApplication::setCursorFlashTime(0);
        start();
        settle();
    }
    void TearDown() override
    {
        RunningProgram::TearDown();
        SetClock(nullptr);
        SetDateTimeSource(nullptr);
        SetSeedSource(nullptr);
        SetUserNameSource(nullptr);
    }

    // Lets what the last input posted run, as the event loop would before the
    // learner looks.
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    // Compares what the window shows with the state's reference picture.
    void look(const std::string &state, Window &window)
    {
        settle();
        EXPECT_TRUE(kStates.count(state)) << state << " is not among the gallery's states";
        const Comparison c = CompareWithReference(state, window.widget()->grab().toImage());
        if (!c.matches) {
            ADD_FAILURE() << c.note;
            kDiffering->Add(state);
        }
        else if (!c.note.empty())
            std::cout << c.note << '\n';
    }

    // The navigation bar's button of the text, its group slid open first.
    uo_qq_button &navigationButton(const char *text)
    {
        for (uo_qq_panel *panel : w_main->uo_look.panels) {
            if (std::none_of(panel->nodes.begin(), panel->nodes.end(),
                             [text](const nvo_qq_node *node) { return node->btnid == text; }))
                continue;
            for (int opened = 0; opened < 2; ++opened) {
                for (uo_qq_button *button : panel->buttons)
                    if (button && button->Visible() && button->of_text() == text)
                        return *button;
                mouse.Click(panel->uo_header, 200, 40);
                settle();
            }
        }
        throw std::runtime_error("no such button");
    }
    // A click on the button's picture; what it opens runs once the click is
    // over.
    void choose(const char *text)
    {
        mouse.Click(navigationButton(text).p_1.widget());
        settle();
        mouse.Settle();
    }

    // The close box of a window, which the window system reports as a close
    // request.
    void closeBox(Window &window)
    {
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            window.widget()->windowHandle());
        settle();
        mouse.Settle();
    }
    void click(const Control &control) { click(control.widget()); }
    void click(QWidget *widget) { click(widget, widget->rect().center()); }
    void click(QWidget *widget, QPoint at)
    {
        mouse.Click(widget, at);
        settle();
    }
    // Types the text into the widget: letters and digits by their keys,
    // Chinese as an input method hands it over.
    static void type(QWidget *widget, const QString &text)
    {
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 128;
        if (ascii) {
            QTest::keyClicks(widget, text);
            return;
        }
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(widget, &commit);
    }

    ManualClock clock;
    PlatformMouse mouse;
};

TEST_F(Gallery, TheFrameAtRestAndUnderThePointer)
{
    look("frame", *w_main);
    uo_qq_header &help = w_main->uo_look.panels.at(1)->uo_header;
    mouse.GlideTo(help, 300, 40);
    look("frame_header_hovered", *w_main);
}

// Acts inside the modal windows that "下一题" opens, from their own loop:
// forced study, and the prompt after more than ten wrong answers. By
// default Enter, which closes forced study and goes on at the prompt.
class ExamModals {
public:
    ExamModals()
    {
        poll_.setInterval(0);
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (w_open_error.IsValid() && &*w_open_error != last_) {
                last_ = &*w_open_error;
                ++studies;
                inStudy();
            } else if (w_error_jj.IsValid() && &*w_error_jj != last_) {
                last_ = &*w_error_jj;
                ++prompts;
                inPrompt();
            }
        });
        poll_.start();
    }
    std::function<void()> inStudy = [] { QTest::keyClick(w_open_error->widget(), Qt::Key_Return); };
    std::function<void()> inPrompt = [] { QTest::keyClick(w_error_jj->widget(), Qt::Key_Return); };
    int studies = 0, prompts = 0;

private:
    QTimer poll_;
    QPointer<Window> last_;
};

class ExamGallery : public Gallery {
protected:
    class w_mnkz_2012 &exam() { return *::w_mnkz_2012; }
    long row() { return exam().dw_2->GetRow(); }
    String rightAnswer() { return exam().dw_2->GetItemString(row(), "answer"); }
    String questionType() { return exam().dw_2->GetItemString(row(), "tx"); }
    // Presses the answer button of an option (1 to 4).
    void press(long option)
    {
        CommandButton *buttons[] = {&exam().cb_4, &exam().cb_5, &exam().cb_6, &exam().cb_7};
        click(*buttons[option - 1]);
    }
    // A wrong answer to the question shown: another option, or for a
    // multiple choice a part of the right answer.
    void answerWrongly()
    {
        const String right = rightAnswer();
        if (questionType() == "0") {
            tick(Left(right, 1));
            return;
        }
        press(Long(right) % (questionType() == "2" ? 2 : 4) + 1);
    }
    // Ticks the options of a multiple choice by their boxes.
    void tick(const String &digits)
    {
        CheckBox *boxes[] = {&exam().cbx_choice1, &exam().cbx_choice2, &exam().cbx_choice3, &exam().cbx_choice4};
        for (char d : digits)
            click(*boxes[d - '1']);
    }
    void next() { click(exam().cb_2); }
    void previous() { click(exam().cb_1); }
    // A click on the number of question n on the answer card.
    void cardCell(long n)
    {
        DataWindow &card = *exam().dw_1;
        const String cell = "t_" + String(n);
        const int x = static_cast<int>(Long(card.Describe(cell + ".x")) + Long(card.Describe(cell + ".width")) / 2);
        const int y = static_cast<int>(Long(card.Describe(cell + ".y")) + Long(card.Describe(cell + ".height")) / 2);
        click(&card, QPoint(UnitsToPixelsX(x), UnitsToPixelsY(y)));
    }
    long firstOfType(const char *tx)
    {
        for (long r = 1; r <= exam().dw_2->RowCount(); ++r)
            if (exam().dw_2->GetItemString(r, "tx") == tx)
                return r;
        return 0;
    }
};

TEST_F(ExamGallery, FromTheClassWindowToTheScoreSheet)
{
    ExamModals modals;
    bool classWindowSeen = false;
    WhenOpen(w_login_2012, [&] {
        classWindowSeen = true;
        look("class_window", *w_login_2012);
        click(w_login_2012->cb_1);
    });
    choose("模拟考试");
    ASSERT_TRUE(classWindowSeen);
    ASSERT_TRUE(::w_mnkz_2012.IsValid());

    // A true/false question: shown, answered wrongly, judged in forced study,
    // and shown again once judged.
    ASSERT_EQ(questionType(), "2");
    look("exam_true_false", exam());
    answerWrongly();
    look("exam_true_false_answered", exam());
    modals.inStudy = [&] {
        look("exam_forced_study", *w_open_error);
        QTest::keyClick(w_open_error->widget(), Qt::Key_Return);
    };
    next();
    EXPECT_EQ(modals.studies, 1);
    modals.inStudy = [] { QTest::keyClick(w_open_error->widget(), Qt::Key_Return); };
    previous();
    look("exam_true_false_judged", exam());

    // A single choice answered rightly, from its cell on the card, and judged
    // right.
    const long single = firstOfType("1");
    cardCell(single);
    press(Long(rightAnswer()));
    look("exam_single_choice_answered", exam());
    next();
    previous();
    ASSERT_EQ(row(), single);
    look("exam_single_choice_judged", exam());

    // A multiple choice: shown, every option ticked, and judged wrong.
    const long multiple = firstOfType("0");
    ASSERT_GT(multiple, 0);
    cardCell(multiple);
    look("exam_multiple_choice", exam());
    tick("1234");
    look("exam_multiple_choice_answered", exam());
    next();
    EXPECT_EQ(modals.studies, 2);
    previous();
    ASSERT_EQ(row(), multiple);
    look("exam_multiple_choice_judged", exam());

    // Wrong answers from question 2 on, until the prompt after more than ten.
    modals.inPrompt = [&] {
        look("exam_prompt", *w_error_jj);
        QTest::keyClick(w_error_jj->widget(), Qt::Key_Return); // goes on
    };
    cardCell(2);
    while (modals.prompts == 0 && row() < 100) {
        answerWrongly();
        next();
    }
    ASSERT_EQ(modals.prompts, 1);
    ASSERT_TRUE(::w_mnkz_2012.IsValid());

    // The hand-in, its result and the score sheet.
    click(exam().cb_jj);
    ASSERT_TRUE(w_jj_enter.IsValid());
    look("exam_hand_in", *w_jj_enter);
    click(w_jj_enter->cb_2);
    ASSERT_TRUE(w_jj.IsValid());
    look("result", *w_jj);
    w_jj->cb_1.clicked.Trigger(); // the print button, which stays hidden
    settle();
    ASSERT_TRUE(w_print.IsValid());
    look("score_sheet", *w_print);

    // The learner types a name, an ID number and a long work unit, each
    // field left with Tab.
    for (const QString &entry : {QStringLiteral("张小明"), QStringLiteral("110105199001011234"),
                                 QStringLiteral("北京市朝阳区机动车驾驶员培训学校第三分校培训部")}) {
        QWidget *field = QApplication::focusWidget();
        ASSERT_NE(field, nullptr);
        type(field, entry);
        QTest::keyClick(field, Qt::Key_Tab);
    }
    look("score_sheet_filled", *w_print);
}

class QuestionGallery : public Gallery {
protected:
    // The set's button in the chooser.
    runtime::CommandButton &setButton(const char *caption)
    {
        for (const auto &button : w_tc_select11->sets)
            if (button->Text() == caption)
                return *button;
        throw std::runtime_error("no such set");
    }
    // Opens the set from the frame's chooser; its clock has ticked once.
    QuestionWindow &practise(const char *set)
    {
        choose("套餐练习");
        click(setButton(set));
        clock.Advance(Milliseconds(1000));
        return *w_tclx;
    }
    // Picks the right, or a wrong, option of the question shown by a click
    // on its text.
    void pick(QuestionWindow &w, bool right)
    {
        const long row = w.dw_1->GetRow();
        const String answer = w.dw_1->GetItemString(row, "answer");
        const String tx = w.dw_1->GetItemString(row, "tx");
        const long option = right ? Long(Left(answer, 1)) : Long(Left(answer, 1)) % (tx == "2" ? 2 : 4) + 1;
        click(w.optionText(static_cast<int>(option)));
    }
};

TEST_F(QuestionGallery, PracticeWithTheNumberDialogAndTheScore)
{
    choose("套餐练习");
    ASSERT_TRUE(w_tc_select11.IsValid());
    look("chooser", *w_tc_select11);
    click(setButton("试卷1"));
    ASSERT_TRUE(w_tclx.IsValid());
    QuestionWindow &w = *w_tclx;
    clock.Advance(Milliseconds(1000));
    look("practice", w);
    pick(w, true);
    look("practice_right_pick", w);
    pick(w, false);
    look("practice_wrong_pick", w);

    bool dialogSeen = false;
    WhenOpen(w_find, [&] {
        dialogSeen = true;
        look("number_dialog", *w_find);
        QTest::keyClick(w_find->em_1.widget(), Qt::Key_Return); // the number shown
    });
    click(w.cb_find);
    EXPECT_TRUE(dialogSeen);
    EXPECT_FALSE(w_find.IsValid());

    click(w.cb_jj); // confirmed in the box
    ASSERT_TRUE(w_jj_tc.IsValid());
    look("practice_score", *w_jj_tc);
}

TEST_F(QuestionGallery, ReviewOfTheQuestionsAnsweredWrongly)
{
    // Three questions of a set answered wrongly fill the book.
    QuestionWindow &practice = practise("试卷1");
    for (int i = 0; i < 3; ++i) {
        pick(practice, false);
        click(practice.cb_tg);
    }
    closeBox(practice);
    closeBox(*w_tc_select11);

    choose("错误回顾");
    ASSERT_TRUE(w_error_select.IsValid());
    look("review_chooser", *w_error_select);
    click(w_error_select->cb_1);
    ASSERT_TRUE(w_error.IsValid());
    QuestionWindow &w = *w_error;
    clock.Advance(Milliseconds(1000));
    look("review", w);
    pick(w, true);
    look("review_right_pick", w);
    pick(w, false);
    look("review_wrong_pick", w);
}

TEST_F(Gallery, SettingsAboutAndTheErrorReport)
{
    choose("系统设置");
    ASSERT_TRUE(w_setup.IsValid());
    look("settings", *w_setup);
    click(w_setup->cb_2);

    bool aboutSeen = false;
    WhenOpen(w_about, [&] {
        aboutSeen = true;
        look("about", *w_about);
        click(w_about->cb_1);
    });
    choose("关于本软件");
    EXPECT_TRUE(aboutSeen);

    Open(w_failing);
    bool reportSeen = false;
    WhenOpen(w_error_trap, [&] {
        reportSeen = true;
        look("error_report", *w_error_trap);
        click(w_error_trap->cb_continue);
    });
    click(w_failing->cb_read);
    EXPECT_TRUE(reportSeen);
}

void DifferingStates::TearDown() { std::cerr << AdviceOnDifferences(states_, kStates.size()); }

// A reference whose state is gone would lie there unchecked.
TEST(GalleryReferences, BelongToStatesOfTheGallery)
{
    const QStringList files = QDir(QStringLiteral(GALLERY_DIR "/reference")).entryList({"*.png"}, QDir::Files);
    for (const QString &file : files) {
        if (!file.endsWith(".new.png") && !file.endsWith(".diff.png")) {
            EXPECT_TRUE(kStates.count(file.chopped(4).toStdString())) << file.toStdString();
        }
    }
}

} // namespace
