// A process that gives one wrong answer the learner's way, for tests that
// fault or trace the commit that stores it:
//
//   wrong_answer_process exam|practice|review FOLDER
//
// It starts as the trainer does over FOLDER/vqb005.dat (no page arrives,
// message boxes are answered and printed), opens the examination (class
// C1), the practice of the first set or the review of a book of three
// questions, picks a wrong option of the first true/false question, whose
// rows it first takes out of the wrong-answer book, and ends. It prints
// "mno N wrong D" before the pick and "syncs N" after it. Around the pick
// alone it arms the sync_faults library when that is preloaded.
#include "app/globals.h"
#include "exam/w_login_2012.h"
#include "exam/w_mnkz_2012.h"
#include "paper/question_window.h"
#include "practice/w_tc_select11.h"
#include "practice/w_tclx.h"
#include "review/w_error.h"
#include "review/w_error_select.h"
#include "runtime/net/inet.h"
#include "runtime/ui/application.h"
#include "runtime/ui/messagebox.h"
#include "runtime/win32/module.h"
#include "start/app.h"

#include <QComboBox>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>

using namespace runtime;

namespace {

void click(Control &c) { QTest::mouseClick(c.widget(), Qt::LeftButton); }

// The exam's class window is modal: C1 is chosen and "确定" pressed from the
// event loop it waits in.
void startExam()
{
    QTimer::singleShot(0, [] {
        auto *list = static_cast<QComboBox *>(::w_login_2012->ddlb_1.widget());
        list->setCurrentIndex(list->findText("C1--", Qt::MatchStartsWith));
        click(::w_login_2012->cb_1);
    });
    Open(::w_login_2012);
}

// The first true/false row of a paper, 0 when none.
long firstTrueFalse(DataStore &dw)
{
    for (long r = 1; r <= dw.RowCount(); ++r)
        if (dw.GetItemString(r, "tx") == "2")
            return r;
    return 0;
}

int fail(const char *why)
{
    std::fprintf(stderr, "wrong_answer_process: %s\n", why);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return fail("usage: wrong_answer_process exam|practice|review FOLDER");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Application qapp(argc, argv);
    const std::string kind = argv[1];
    SetModuleFileName(std::string(argv[2]) + "/app.exe");
    SetPageFetcher([](const String &, PageDone done) { done(std::nullopt); });
    SetMessageBoxHandler([](const MessageBoxRequest &r) {
        std::printf("box %s\n", ToUtf8(r.text).c_str());
        std::fflush(stdout);
        return 1;
    });
    theApp().create();
    if (!theApp().open())
        return fail("no start");

    DataStore *paper = nullptr;
    std::function<void(int)> pick;
    if (kind == "exam") {
        startExam();
        if (!::w_mnkz_2012.IsValid())
            return fail("no examination");
        auto &w = *::w_mnkz_2012;
        paper = &*w.dw_2;
        pick = [&w](int option) {
            w.f_display(static_cast<int>(firstTrueFalse(*w.dw_2)));
            click(option == 1 ? w.cb_4 : w.cb_5);
        };
    } else {
        QuestionWindow *w = nullptr;
        if (kind == "practice") {
            Open(::w_tc_select11);
            click(*::w_tc_select11->sets.front());
            w = ::w_tclx.IsValid() ? static_cast<QuestionWindow *>(&*::w_tclx) : nullptr;
        } else {
            sqlca.ExecuteImmediate("insert into t_error (user, mno) select 'kelvadorint', mno from t_tk005 "
                                   "where tx = '2' order by mno limit 3");
            Open(::w_error_select);
            click(::w_error_select->cb_1);
            w = ::w_error.IsValid() ? static_cast<QuestionWindow *>(&*::w_error) : nullptr;
        }
        if (!w)
            return fail("no question window");
        paper = &*w->dw_1;
        pick = [w](int option) {
            w->f_display(static_cast<int>(firstTrueFalse(*w->dw_1)));
            click(w->optionText(option));
        };
    }

    const long row = firstTrueFalse(*paper);
    if (row == 0)
        return fail("no true/false question");
    const long mno = static_cast<long>(paper->GetItemNumber(row, "mno"));
    const int wrong = paper->GetItemString(row, "answer") == "1" ? 2 : 1;
    sqlca.Execute("delete from t_error where mno = ?", {mno});
    std::printf("mno %ld wrong %d\n", mno, wrong);
    std::fflush(stdout);

    using Arm = int (*)(int);
    const auto arm = reinterpret_cast<Arm>(dlsym(RTLD_DEFAULT, "sync_faults_arm"));
    if (arm)
        arm(1);
    pick(wrong);
    const int syncs = arm ? arm(0) : 0;
    std::printf("syncs %d\n", syncs);
    std::fflush(stdout);
    std::_Exit(0);
}
