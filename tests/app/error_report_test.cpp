// The system-error report: a run-time error in a script is logged to
// err_info.txt, shown, and the program goes on or ends as the user chooses.
#include "app/f_error_trap.h"
#include "app/f_ts.h"
#include "app/globals.h"
#include "app/w_error_trap.h"
#include "app/w_setup.h"
#include "replaced.h"
#include "runtime/mail/mail.h"
#include "runtime/print/printjob.h"
#include "runtime/script/error.h"
#include "runtime/ui/application.h"
#include "runtime/ui/clock.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/ui/datawindowcontrol.h"
#include "runtime/ui/halt.h"
#include "runtime/ui/messagebox.h"
#include "runtime/ui/systemerror.h"
#include "runtime/win32/username.h"
#include "start/app.h"
#include "test_database.h"
#include "test_windows.h"

#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QApplication>
#include <gtest/gtest.h>

#include <sstream>

using namespace runtime;

namespace {

// A window of the program's kind with one button whose script reads a row
// its data window does not have, and one that works.
class w_probe : public Window {
public:
    w_probe() : Window("w_probe")
    {
        DataObject d("d_probe");
        d.column("a", ColumnType::Char, 10).bandHeight(Band::Detail, 80);
        dw_1->SetDataObject(d);
        dw_1.Move(10, 10);
        dw_1.Resize(400, 200);
        cb_read.clicked = [this] {
            ++started;
            dw_1->GetItemString(5, "a");
            ++finished; // never: the error ends the script
        };
        cb_ok.clicked = [this] {
            dw_1->InsertRow(0);
            dw_1->SetItem(dw_1->RowCount(), "a", "ok");
        };
        cb_library.clicked = [] { throw std::runtime_error("disk full"); };
        cb_odd.clicked = [] { throw 42; };
        // The answer-string helper asked to insert into a full answer.
        cb_helper.clicked = [] { f_ts("1234", "3"); };
    }
    DataWindowControl dw_1{*this, "dw_1"};
    CommandButton cb_read{*this, "cb_read"};
    CommandButton cb_ok{*this, "cb_ok"};
    CommandButton cb_helper{*this, "cb_helper"};
    CommandButton cb_library{*this, "cb_library"};
    CommandButton cb_odd{*this, "cb_odd"};
    int started = 0, finished = 0;
};
GlobalWindow<w_probe> w_probe;

std::string readFile(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

std::vector<String> splitLines(const std::string &text)
{
    std::vector<String> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

const String kStars = "        **********************************************";

// The running program over a test database, in a temporary working folder,
// with every seam replaced: boxes are answered and recorded, the end of the
// program is recorded, the clock stands still until told.
class ErrorReport : public testing::Test {
protected:
    void SetUp() override
    {
        previousFolder = QDir::currentPath();
        QDir::setCurrent(work.path());
        db.connectSqlca();
        sqlca.SQLCode = 0;
        sqlca.SQLDBCode = 0;
        sqlca.SQLErrText.clear();
        error = {};
        theApp().create();
        SetApplicationCloseHandler([this] {
            ++closes;
            theApp().close();
        });
        SetMessageBoxHandler([this](const MessageBoxRequest &r) {
            boxes.push_back(r);
            return 1;
        });
        SetHaltHandler([this](int status) { halts.push_back(status); });
        SetClock(&clock);
        Open(w_probe);
    }
    void TearDown() override
    {
        for (QTimer *poll : polls)
            delete poll;
        CloseAllWindows();
        SetClock(nullptr);
        SetDateTimeSource(nullptr);
        sqlca.Disconnect();
        SetMessageBoxHandler(nullptr);
        SetHaltHandler(nullptr);
        SetSystemErrorHandler(nullptr);
        SetApplicationCloseHandler(nullptr);
        SetPrinterFactory(nullptr);
        SetAddressDialog(nullptr);
        SetMailHandler(nullptr);
        QDir::setCurrent(previousFolder);
    }

    // Runs fn once the report window is open, inside its modal wait; fn ends
    // with the report closed (by its own buttons or here), so no test hangs.
    void whenReportOpens(std::function<void(class w_error_trap &)> fn)
    {
        auto *poll = new QTimer;
        polls.push_back(poll);
        poll->setInterval(0);
        QObject::connect(poll, &QTimer::timeout, [this, poll, fn, turns = 0]() mutable {
            if (!w_error_trap.IsValid() && ++turns < 2000)
                return;
            poll->stop();
            if (!w_error_trap.IsValid())
                return;
            ++reportsSeen;
            QCoreApplication::processEvents(); // the report becomes the active window
            if (!w_error_trap.IsValid())
                return;
            fn(*w_error_trap);
            if (w_error_trap.IsValid())
                Close(*w_error_trap);
        });
        poll->start();
    }
    void click(CommandButton &button) { QTest::mouseClick(button.widget(), Qt::LeftButton); }
    std::string log() { return readFile("err_info.txt"); }

    QTemporaryDir work;
    QString previousFolder;
    TempDatabase db;
    ManualClock clock;
    std::vector<MessageBoxRequest> boxes;
    std::vector<int> halts;
    int closes = 0;
    int reportsSeen = 0;
    std::vector<QTimer *> polls;
};

TEST_F(ErrorReport, ForcedErrorIsLoggedShownAndTheProgramGoesOnAfterContinue)
{
    SetDateTimeSource([] { return String("2014-09-01 15:07:09"); });
    String shownMessage, shownUser, shownWhere, shownObject, shownEvent, shownNumber, shownTime;
    bool visible = false;
    whenReportOpens([&](class w_error_trap &w) {
        visible = w.Visible();
        shownNumber = w.dw_error->GetItemString(1, "errornum");
        shownMessage = w.dw_error->GetItemString(1, "message");
        shownWhere = w.dw_error->GetItemString(1, "where");
        shownObject = w.dw_error->GetItemString(1, "object");
        shownEvent = w.dw_error->GetItemString(1, "event");
        shownUser = w.dw_error->GetItemString(1, "userid");
        shownTime = w.dw_error->GetItemString(1, "datetime_error");
        click(w.cb_continue);
    });
    click(w_probe->cb_read);

    EXPECT_EQ(reportsSeen, 1);
    EXPECT_TRUE(visible);
    EXPECT_FALSE(w_error_trap.IsValid());
    EXPECT_EQ(w_probe->started, 1);
    EXPECT_EQ(w_probe->finished, 0);
    EXPECT_EQ(shownNumber, String(static_cast<int>(ErrorNumber::InvalidRowOrColumn)));
    EXPECT_EQ(shownMessage, ErrorText(ErrorNumber::InvalidRowOrColumn));
    EXPECT_EQ(shownWhere, "w_probe");
    EXPECT_EQ(shownObject, "cb_read");
    EXPECT_EQ(shownEvent, "clicked");
    EXPECT_EQ(shownTime, "2014年9月1日     3:07:09 pm");
    String user;
    GetUserName(user);
    EXPECT_EQ(shownUser, user);

    // One entry: 14 labelled lines, an empty line, the asterisks, two empty lines.
    const std::string first = log();
    const auto lines = splitLines(first);
    ASSERT_EQ(lines.size(), 18u) << first;
    const char *labels[] = {"       日期时间 : ", "       错误代码 : ", "       错误信息 : ", "SQL语句错误代码 : ",
                            " 数据库错误代码 : ", " 数据库错误信息 : ", "      窗口/菜单 : ", "           对象 : ",
                            "      事件/函数 : ", "           行号 : ", "     应用程序名 : ", "       数据库名 : ",
                            "       服务器名 : ", "         用户名 : "};
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(Len(labels[i]), 18) << i;
        EXPECT_EQ(Left(lines[i], 18), labels[i]) << i;
    }
    EXPECT_EQ(Mid(lines[0], 19), "2014年9月1日     3:07:09 pm");
    EXPECT_EQ(Mid(lines[1], 19), shownNumber);
    EXPECT_EQ(Mid(lines[2], 19), shownMessage);
    EXPECT_EQ(Mid(lines[3], 19), "0");
    EXPECT_EQ(Mid(lines[5], 19), "");
    EXPECT_EQ(Mid(lines[6], 19), "w_probe");
    EXPECT_EQ(Mid(lines[7], 19), "cb_read");
    EXPECT_EQ(Mid(lines[8], 19), "clicked");
    EXPECT_GT(Long(Mid(lines[9], 19)), 0);
    EXPECT_EQ(Mid(lines[10], 19), "APP");
    EXPECT_EQ(Mid(lines[13], 19), Upper(user));
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(lines[15], kStars);
    EXPECT_EQ(lines[16], "");
    EXPECT_EQ(lines[17], "");
    EXPECT_EQ(first.substr(first.size() - 6), "\r\n\r\n\r\n");

    // The program goes on: the same button fails again and adds a second
    // entry after the first, which stays as it was; the rest still works.
    whenReportOpens([&](class w_error_trap &w) { click(w.cb_continue); });
    click(w_probe->cb_read);
    EXPECT_EQ(reportsSeen, 2);
    EXPECT_EQ(w_probe->started, 2);
    const std::string both = log();
    EXPECT_EQ(both.substr(0, first.size()), first);
    EXPECT_EQ(splitLines(both).size(), 36u);

    click(w_probe->cb_ok);
    EXPECT_EQ(w_probe->dw_1->GetItemString(1, "a"), "ok");
    Open(w_setup);
    ASSERT_TRUE(w_setup.IsValid());
    click(w_setup->cb_2);
    EXPECT_FALSE(w_setup.IsValid());
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(halts.empty());
}

// A line in a function the script called is reported under that function's
// name, so the line number belongs to what the report names.
TEST_F(ErrorReport, AHelperThatFailsIsNamedWithItsOwnLine)
{
    String shownObject, shownEvent, shownLine;
    whenReportOpens([&](class w_error_trap &w) {
        shownObject = w.dw_error->GetItemString(1, "object");
        shownEvent = w.dw_error->GetItemString(1, "event");
        shownLine = w.dw_error->GetItemString(1, "line");
        click(w.cb_continue);
    });
    click(w_probe->cb_helper);
    EXPECT_EQ(reportsSeen, 1);
    EXPECT_EQ(shownObject, "f_ts");
    EXPECT_EQ(shownEvent, "f_ts");
    const auto lines = splitLines(log());
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(Mid(lines[6], 19), "w_probe");
    EXPECT_EQ(Mid(lines[7], 19), "f_ts");
    EXPECT_EQ(Mid(lines[8], 19), "f_ts");
    EXPECT_EQ(Mid(lines[9], 19), shownLine);
    // The line is the helper's own that raised the error.
    std::istringstream source(readFile(SOURCE_DIR "/src/app/f_ts.cpp"));
    std::string text;
    for (long line = Long(shownLine); line > 0 && std::getline(source, text);)
        --line;
    EXPECT_NE(text.find("Raise("), std::string::npos) << shownLine;
}

// The report scrolls sideways too when what it shows is wider than its view:
// the horizontal bar stays away while the report fits.
TEST_F(ErrorReport, TheReportHasAHorizontalScrollBarWhenItIsWiderThanItsView)
{
    bool barWhileItFits = true, barWhenNarrow = false;
    int scrolled = -1;
    whenReportOpens([&](class w_error_trap &w) {
        auto horizontalBar = [&] {
            for (QScrollBar *bar : w.dw_error->findChildren<QScrollBar *>())
                if (bar->orientation() == Qt::Horizontal)
                    return bar->isVisible();
            return false;
        };
        barWhileItFits = horizontalBar();
        w.dw_error.Resize(1200, 764);
        barWhenNarrow = horizontalBar();
        w.dw_error->SetHorizontalScrollPosition(400);
        scrolled = w.dw_error->HorizontalScrollPosition();
        click(w.cb_continue);
    });
    click(w_probe->cb_read);
    EXPECT_FALSE(barWhileItFits);
    EXPECT_TRUE(barWhenNarrow);
    EXPECT_EQ(scrolled, 400);
}

// The buttons' "&" marks their access keys: it is not drawn (the caption
// looks as it would without it, but for the underline of the marked letter),
// and Alt with the letter presses the button.
TEST_F(ErrorReport, AccessKeysAreUnderlinedNotShownAndPressTheirButtons)
{
    int rowsThatDiffer = -1;
    bool closedByTheKey = false;
    whenReportOpens([&](class w_error_trap &w) {
        QWidget *button = w.cb_continue.widget();
        const QImage marked = button->grab().toImage();
        w.cb_continue.SetText("继续(C)");
        const QImage unmarked = button->grab().toImage();
        w.cb_continue.SetText("继续(&C)");
        rowsThatDiffer = 0;
        for (int y = 0; y < marked.height(); ++y)
            for (int x = 0; x < marked.width(); ++x)
                if (marked.pixel(x, y) != unmarked.pixel(x, y)) {
                    ++rowsThatDiffer;
                    break;
                }
        // The key shows the button pressed for a moment, then clicks it.
        QTest::keyClick(button->window(), Qt::Key_C, Qt::AltModifier);
        closedByTheKey = QTest::qWaitFor([] { return !w_error_trap.IsValid(); }, 2000);
    });
    click(w_probe->cb_read);
    EXPECT_EQ(reportsSeen, 1);
    EXPECT_TRUE(closedByTheKey);
    EXPECT_GE(rowsThatDiffer, 1); // the underline
    EXPECT_LE(rowsThatDiffer, 2);
    EXPECT_TRUE(halts.empty());

    // Alt+Q is the exit button: the program ends.
    whenReportOpens([&](class w_error_trap &w) {
        QTest::keyClick(w.cb_exit.widget()->window(), Qt::Key_Q, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !halts.empty(); }, 2000));
    });
    click(w_probe->cb_read);
    EXPECT_EQ(halts, std::vector<int>{1});
}

// The log and the settings dump go to the program folder, beside the
// database, whatever folder the trainer was started from.
TEST_F(ErrorReport, TheLogAndTheSettingsDumpLandInTheProgramFolder)
{
    QTemporaryDir programFolder;
    Replaced programPath(gs_path, FromUtf8(programFolder.path().toStdString() + "/"));
    whenReportOpens([&](class w_error_trap &w) {
        w.doubleclicked.Trigger(0, 0, 0);
        click(w.cb_continue);
    });
    click(w_probe->cb_read);
    EXPECT_EQ(reportsSeen, 1);
    EXPECT_TRUE(QFile::exists(programFolder.filePath("err_info.txt")));
    EXPECT_TRUE(QFile::exists(programFolder.filePath("app_ini.txt")));
    EXPECT_FALSE(QFile::exists("err_info.txt"));
    EXPECT_FALSE(QFile::exists("app_ini.txt"));
}

TEST_F(ErrorReport, ExitStopsTheScrollDisconnectsAndEndsThroughTheCloseEventOnce)
{
    int timersAfterExit = -1;
    whenReportOpens([&](class w_error_trap &w) {
        w.Timer(0.01);
        click(w.cb_exit);
        timersAfterExit = clock.RunningTimers();
    });
    click(w_probe->cb_read);

    EXPECT_EQ(timersAfterExit, 0);
    EXPECT_FALSE(sqlca.IsConnected());
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(halts, std::vector<int>{1});
    EXPECT_TRUE(boxes.empty()); // the second disconnect succeeds quietly
}

TEST_F(ErrorReport, UnwritableLogStillShowsTheReport)
{
    ASSERT_TRUE(QDir(work.path()).mkdir("err_info.txt")); // a folder where the file should be
    String shown;
    whenReportOpens([&](class w_error_trap &w) {
        shown = w.dw_error->GetItemString(1, "object");
        click(w.cb_continue);
    });
    click(w_probe->cb_read);
    EXPECT_EQ(reportsSeen, 1);
    EXPECT_EQ(shown, "cb_read");
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(QFileInfo(work.path() + "/err_info.txt").isDir());
}

TEST_F(ErrorReport, NothingToReportClosesUnseenAndAnyCodeIsReported)
{
    whenReportOpens([](class w_error_trap &) {});
    EXPECT_EQ(f_error_trap(sqlca), 1);
    QCoreApplication::processEvents();
    polls.back()->stop();
    EXPECT_EQ(reportsSeen, 0);
    EXPECT_FALSE(QFile::exists("err_info.txt"));

    // Error number 0, but an earlier statement failed.
    sqlca.SQLCode = -1;
    whenReportOpens([&](class w_error_trap &w) { click(w.cb_continue); });
    f_error_trap(sqlca);
    EXPECT_EQ(reportsSeen, 1);
    EXPECT_EQ(Mid(splitLines(log())[3], 19), "-1");
}

// A failure of a library the script called, or anything else thrown, is a
// real error with a number, shown like any other.
TEST_F(ErrorReport, AFailureOutsideTheRuntimeIsShownWithANumber)
{
    struct Case {
        CommandButton &button;
        String name, message;
    } cases[] = {{w_probe->cb_library, "cb_library", "Error calling external function: disk full"},
                 {w_probe->cb_odd, "cb_odd", "Error calling external function: unknown exception"}};
    for (const Case &c : cases) {
        String number, message, object;
        bool visible = false;
        whenReportOpens([&](class w_error_trap &w) {
            visible = w.Visible();
            number = w.dw_error->GetItemString(1, "errornum");
            message = w.dw_error->GetItemString(1, "message");
            object = w.dw_error->GetItemString(1, "object");
            click(w.cb_continue);
        });
        reportsSeen = 0;
        click(c.button);
        EXPECT_EQ(reportsSeen, 1) << c.message;
        EXPECT_TRUE(visible);
        EXPECT_EQ(number, "15");
        EXPECT_EQ(message, c.message);
        EXPECT_EQ(object, c.name);
    }
}

TEST_F(ErrorReport, KnownNumbersAndCodesGetTheirTranslations)
{
    struct Case {
        int number;
        long dbcode;
        const char *errorTail; // appended to the error text, "" for none
        const char *dbTail;    // appended to the database error text
    } cases[] = {
        {1004, 0, "  译文: 对象没有被提及 !", ""},
        {1008, 1105, "  译文: 数据窗口没有指定的行号或列号（列名）!", "  译文: 数据库日志满,请通知系统管理员清日志!"},
        {1014, 2627, "  译文: 数据窗口列的数据类型和 GetItem 类函数不匹配 !",
         "  译文: 您新增的记录已存在，插入失败! 也许是网络冲突，请您稍后再做此项操作。"},
        {6, -932, "", "  译文: 请检查网络是否正常工作!"},
        {0, 10004, "", "  译文: 请检查数据库是否正常工作!"},
        {2, 999, "", "  译文: 请检查服务器是否正常工作!"},
        {3, 19, "", ""},
    };
    int entry = 0;
    for (const Case &c : cases) {
        error = {c.number, "text", "w_x", "cb_x", "clicked", 7};
        sqlca.SQLCode = c.dbcode ? -1 : 0;
        sqlca.SQLDBCode = c.dbcode;
        sqlca.SQLErrText = "db text";
        String shownMessage, shownDb;
        whenReportOpens([&](class w_error_trap &w) {
            shownMessage = w.dw_error->GetItemString(1, "message");
            shownDb = w.dw_error->GetItemString(1, "sqltext_error");
            click(w.cb_continue);
        });
        f_error_trap(sqlca);
        const auto lines = splitLines(log());
        ASSERT_EQ(lines.size(), 18u * ++entry) << c.number;
        const size_t at = 18 * (entry - 1);
        EXPECT_EQ(Mid(lines[at + 2], 19), String("text") + c.errorTail) << c.number;
        EXPECT_EQ(Mid(lines[at + 5], 19), String("db text") + c.dbTail) << c.dbcode;
        EXPECT_EQ(shownMessage, String("text") + c.errorTail);
        EXPECT_EQ(shownDb, String("db text") + c.dbTail);
        EXPECT_EQ(error.Text, String("text") + c.errorTail); // in the error record itself
        EXPECT_EQ(sqlca.SQLErrText, "db text");               // the transaction keeps its own
    }
}

TEST(ErrorReportDateTime, DateWithoutLeadingZerosAndTwelveHourClock)
{
    struct Case {
        const char *now, *text;
    } cases[] = {
        {"2014-09-01 15:07:09", "2014年9月1日     3:07:09 pm"},
        {"2014-12-31 12:59:59", "2014年12月31日     12:59:59 pm"},
        {"2015-01-02 00:05:00", "2015年1月2日     12:05:00 am"},
        {"2015-01-02 11:59:59", "2015年1月2日     11:59:59 am"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(of_error_datetime(c.now), c.text);
    EXPECT_EQ(Len(of_error_datetime(cases[1].now)), 30); // the longest fits datetime_error
}

TEST_F(ErrorReport, ScrollsByItselfUntilClickedAndStopsWithoutTheFocus)
{
    using std::chrono::milliseconds;
    whenReportOpens([&](class w_error_trap &w) {
        // The report opens with the focus in the data window, which starts the scroll.
        ASSERT_EQ(clock.RunningTimers(), 1);
        const long max = Long(w.dw_error->Describe("DataWindow.VerticalScrollMaximum"));
        ASSERT_GT(max, 8); // taller than the data window
        clock.Advance(milliseconds(10));
        EXPECT_EQ(w.dw_error->VerticalScrollPosition(), 4);
        clock.Advance(milliseconds(20));
        EXPECT_EQ(w.il_dwhorizontalpost, 12);

        // The user drags the report: the next step goes on from there.
        w.dw_error->SetVerticalScrollPosition(100);
        EXPECT_EQ(w.il_dwhorizontalpost, 100);
        clock.Advance(milliseconds(10));
        EXPECT_EQ(w.dw_error->VerticalScrollPosition(), 104);

        // At the end it stops at the bottom, then starts again from 1.
        w.dw_error->SetVerticalScrollPosition(max);
        clock.Advance(milliseconds(10));
        EXPECT_EQ(w.dw_error->VerticalScrollPosition(), max);
        EXPECT_EQ(w.il_dwhorizontalpost, max + 4);
        clock.Advance(milliseconds(10));
        EXPECT_EQ(w.dw_error->VerticalScrollPosition(), 1);

        // A click pauses it through losing and regaining the focus; another resumes.
        QTest::mouseClick(w.dw_error.widget(), Qt::LeftButton, {}, QPoint(50, 50));
        EXPECT_EQ(w.idc_time, 0);
        EXPECT_EQ(clock.RunningTimers(), 0);
        w.cb_continue.SetFocus();
        w.dw_error.SetFocus();
        QCoreApplication::processEvents();
        EXPECT_EQ(clock.RunningTimers(), 0);
        QTest::mouseClick(w.dw_error.widget(), Qt::LeftButton, {}, QPoint(50, 50));
        EXPECT_EQ(clock.RunningTimers(), 1);

        // The right button stops it until the focus comes back.
        QTest::mousePress(w.dw_error.widget(), Qt::RightButton, {}, QPoint(50, 50));
        EXPECT_EQ(clock.RunningTimers(), 0);
        w.cb_continue.SetFocus();
        w.dw_error.SetFocus();
        QCoreApplication::processEvents();
        EXPECT_EQ(clock.RunningTimers(), 1);
        click(w.cb_continue);
    });
    click(w_probe->cb_read);
    EXPECT_EQ(reportsSeen, 1);
    EXPECT_EQ(clock.RunningTimers(), 0);
}

TEST_F(ErrorReport, DoubleClickAppendsTheConnectionSettings)
{
    Replaced lock(sqlca.Lock, "RU");
    whenReportOpens([&](class w_error_trap &w) {
        QTest::mouseDClick(w.Canvas(), Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseDClick(w.Canvas(), Qt::LeftButton, {}, QPoint(3, 3));
        click(w.cb_continue);
    });
    click(w_probe->cb_read);

    const auto lines = splitLines(readFile("app_ini.txt"));
    const std::vector<String> block = {
        " \t ", kStars + "\t", " \t ",
        "       sqlca.DBMS : " + sqlca.DBMS + "\t",
        "    sqlca.Database: \t",
        "      sqlca.LogID : \t",
        "    sqlca.LogPass : \t",
        " sqlca.ServerName : \t",
        "     sqlca.UserID : \t",
        "     sqlca.DBPass : \t",
        "       sqlca.Lock : RU\t",
        "     sqlca.DbParm : " + sqlca.DBParm + "\t",
        " \t ", kStars + "\t", " \t ",
    };
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(std::vector<String>(lines.begin(), lines.begin() + 15), block);
    EXPECT_EQ(std::vector<String>(lines.begin() + 15, lines.end()), block);
    EXPECT_NE(Pos(sqlca.DBParm, "PWD="), 0); // the connect string, in clear
}

TEST_F(ErrorReport, PrintGoesToThePrinterOrSaysThereIsNone)
{
    const QString pdf = work.path() + "/report.pdf";
    SetPrinterFactory([&] { return std::make_unique<QPdfWriter>(pdf); });
    QWidget *focusAfter = nullptr;
    whenReportOpens([&](class w_error_trap &w) {
        click(w.cb_print);
        focusAfter = w.widget()->focusWidget();
        EXPECT_EQ(clock.RunningTimers(), 0); // the scroll stopped with the focus
        EXPECT_EQ(focusAfter, w.cb_continue.widget());
        click(w.cb_continue);
    });
    click(w_probe->cb_read);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(readFile(pdf).substr(0, 5), "%PDF-");
    EXPECT_GT(QFileInfo(pdf).size(), 1000);

    SetPrinterFactory([] { return nullptr; });
    whenReportOpens([&](class w_error_trap &w) {
        click(w.cb_print);
        EXPECT_TRUE(w.IsOpen());
        click(w.cb_continue);
    });
    click(w_probe->cb_read);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "错误");
    EXPECT_EQ(boxes[0].text, "打印失败, 请检查打印机是否设置正确。");
}

TEST_F(ErrorReport, MailHandsTheReportTextOnOrSaysWhatFailed)
{
    struct Case {
        bool chooses, taken;
        const char *title, *text;
    } cases[] = {
        {true, true, "邮件发送", "邮件发送成功!"},
        {false, true, "邮件地址", "邮件地址出错!"},
        {true, false, "邮件发送", "邮件发送失败!"},
    };
    for (const Case &c : cases) {
        std::vector<MailMessage> handed;
        SetAddressDialog([&](std::vector<MailRecipient> &chosen) {
            chosen = {{"Support", "support@example.com"}};
            return c.chooses;
        });
        SetMailHandler([&](const MailMessage &m) {
            handed.push_back(m);
            return c.taken;
        });
        boxes.clear();
        String reportText;
        whenReportOpens([&](class w_error_trap &w) {
            click(w.cb_1);
            reportText = w.is_errortext;
            EXPECT_TRUE(w.IsOpen());
            click(w.cb_continue);
        });
        click(w_probe->cb_read);
        ASSERT_EQ(boxes.size(), 1u) << c.text;
        EXPECT_EQ(boxes[0].title, c.title);
        EXPECT_EQ(boxes[0].text, c.text);
        ASSERT_EQ(handed.size(), c.chooses ? 1u : 0u) << c.text;
        if (c.chooses) {
            EXPECT_EQ(handed[0].NoteText, reportText);
            EXPECT_EQ(handed[0].Subject, "");
            ASSERT_EQ(handed[0].Recipient.size(), 1u);
            EXPECT_EQ(handed[0].Recipient[0].Address, "support@example.com");
        }
    }
    // The mail's text is the log's entry without the line end the log adds.
    const std::string entries = log();
    String last;
    whenReportOpens([&](class w_error_trap &w) {
        last = w.is_errortext;
        click(w.cb_continue);
    });
    click(w_probe->cb_read);
    EXPECT_EQ(log().substr(entries.size()), last + "\r\n");
}

} // namespace
