#include "start/app.h"
#include "app/globals.h"
#include "app/of_decrypt.h"
#include "runtime/db/transaction.h"
#include "runtime/file/instance_lock.h"
#include "runtime/file/textfile.h"

#include "runtime/ui/halt.h"
#include "runtime/ui/messagebox.h"
#include "runtime/win32/module.h"
#include "frame/w_main.h"
#include "test_database.h"
#include "test_windows.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QFileInfo>
#include <sqlite3.h>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace runtime;

TEST(ProgramFolder, CutAtTheProgramName)
{
    struct Case {
        const char *exe, *folder;
    } cases[] = {{"D:\\练习\\app.exe", "D:\\练习\\"},
                 {"D:\\练习\\App.Exe", "D:\\练习\\"},
                 {"D:\\app.exe.d\\app.exe", "D:\\app.exe.d\\"},
                 {"/home/kim/webapp.exe.d/trainer", "/home/kim/webapp.exe.d/"},
                 {"D:\\\xBD\\\\app.exe", "D:\\\xBD\\\\"}, // a double-byte name ending in 0x5C
                 {"/opt/trainer/bin/trainer", "/opt/trainer/bin/"},
                 {"trainer", ""}};
    for (const auto &c : cases)
        EXPECT_EQ(of_program_folder(c.exe), c.folder) << c.exe;
}

// Runs start-up over a database copy in a temporary folder, with message
// boxes and the end of the program recorded instead of shown.
class Startup : public testing::Test {
protected:
    void SetUp() override
    {
        SetModuleFileName(db.folder() + "app.exe");
        SetMessageBoxHandler([this](const MessageBoxRequest &r) {
            boxes.push_back(r);
            return 1;
        });
        SetHaltHandler([this](int status) { haltStatus = status; });
    }
    void TearDown() override
    {
        CloseAllWindows();
        sqlca.Disconnect();
        SetModuleFileName("");
        SetMessageBoxHandler(nullptr);
        SetHaltHandler(nullptr);
    }
    long errorRows()
    {
        long n = -1;
        sqlca.SelectInto("select count(*) from t_error", {}, n);
        return n;
    }
    void seedErrorBook(const char *frist)
    {
        db.connectSqlca();
        sqlca.ExecuteImmediate("insert into t_error (user, mno) values ('kelvadorint', 4)");
        if (frist)
            sqlca.Execute("update t_system set frist = ? where id =1", {String(frist)});
        else
            sqlca.ExecuteImmediate("delete from t_system");
        sqlca.Disconnect();
    }

    TempDatabase db;
    FakeNetwork noNetwork;
    std::vector<MessageBoxRequest> boxes;
    int haltStatus = -1;
};

TEST_F(Startup, ConnectsFillsTheSystemRecordAndOpensTheFrame)
{
    theApp().create();
    ASSERT_TRUE(theApp().open());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(theApp().AppName, "app");
    EXPECT_EQ(gs_path, FromUtf8(db.folder()));
    EXPECT_EQ(Right(sqlca.DBParm, 13), "/\\vqb005.dat'");
    EXPECT_TRUE(sqlca.AutoCommit);
    EXPECT_EQ(sqlca.DBMS, "ODBC");
    EXPECT_EQ(str_sys.systemname, "维拓练习系统");
    EXPECT_EQ(Left(str_sys.ver, 14), "2014.09.01    ");
    EXPECT_EQ(str_sys.dbver, "维拓网");
    EXPECT_EQ(str_sys.userid, "quenlor");
    EXPECT_NE(Pos(str_sys.usercorp, "qq:"), 0);
    ASSERT_TRUE(w_main.IsValid());
    EXPECT_TRUE(w_main->widget()->isVisible());

    theApp().close();
    EXPECT_FALSE(sqlca.IsConnected());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Startup, StartupSwitchEmptiesTheWrongAnswerBookOnlyForOne)
{
    struct Case {
        const char *frist; // nullptr: no settings row
        long rowsAfter;
    } cases[] = {{"1", 0}, {"2", 1}, {"", 1}, {" 1", 1}, {nullptr, 1}};
    for (const auto &c : cases) {
        sqlca.Disconnect();
        db.connectSqlca();
        sqlca.ExecuteImmediate("delete from t_error");
        sqlca.Disconnect();
        seedErrorBook(c.frist);
        ASSERT_TRUE(theApp().open());
        EXPECT_EQ(errorRows(), c.rowsAfter) << (c.frist ? c.frist : "(no row)");
    }
}

TEST_F(Startup, FailedConnectionWarnsAndEndsWithoutTheFrame)
{
    const std::string variants[] = {"missing", "corrupt"};
    for (const auto &v : variants) {
        boxes.clear();
        haltStatus = -1;
        QFile::remove(QString::fromStdString(db.file()));
        if (v == "corrupt") {
            QFile f(QString::fromStdString(db.file()));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("SQLite format 3\0garbage", 23);
        }
        EXPECT_FALSE(theApp().open()) << v;
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "警告");
        EXPECT_EQ(Left(boxes[0].text, 18), "连接数据库出错！\r\n");
        EXPECT_EQ(boxes[0].icon, Icon::StopSign);
        EXPECT_GT(Len(boxes[0].text), 18);
        EXPECT_EQ(haltStatus, 1);
        EXPECT_TRUE(OpenWindows().empty());
    }
}

// A file that connects but is not the trainer's database: an empty file and
// a database of someone else's tables. Start-up refuses both, and leaves the
// file as it was.
TEST_F(Startup, ADatabaseWithoutTheTrainersTablesIsAFailedConnection)
{
    const QString file = QString::fromStdString(db.file());
    for (const char *variant : {"empty", "foreign"}) {
        boxes.clear();
        haltStatus = -1;
        QFile::remove(file);
        if (std::string(variant) == "empty") {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        } else {
            std::string error;
            sqlite3 *foreign = OpenDatabase(db.file(), of_decrypt_reg(kStoredPassword), true, error);
            ASSERT_NE(foreign, nullptr) << error;
            sqlite3_exec(foreign, "create table t_notes (x)", nullptr, nullptr, nullptr);
            sqlite3_close(foreign);
        }
        const qint64 size = QFileInfo(file).size();
        EXPECT_FALSE(theApp().open()) << variant;
        ASSERT_EQ(boxes.size(), 1u) << variant;
        EXPECT_EQ(boxes[0].title, "警告");
        EXPECT_EQ(boxes[0].text, "连接数据库出错！\r\n数据库文件中没有本系统的数据表。");
        EXPECT_EQ(haltStatus, 1);
        EXPECT_TRUE(OpenWindows().empty());
        EXPECT_EQ(QFileInfo(file).size(), size) << variant;
    }
}

namespace {

// Runs start-up in a child process, as a second trainer would be, and
// returns its exit status: the halt status, or 0 when it started. With
// asNobody the child gives up root first, so that file permissions bind it.
int StartInAnotherProcess(bool asNobody, std::vector<MessageBoxRequest> &boxes, int &haltStatus, String &text)
{
    int channel[2];
    if (pipe(channel) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        alarm(30);
        close(channel[0]);
        if (asNobody && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(98);
        const bool started = theApp().open();
        const std::string shown = boxes.empty() ? "" : ToUtf8(boxes.back().text);
        (void)!write(channel[1], shown.data(), shown.size());
        _exit(started ? 0 : haltStatus);
    }
    close(channel[1]);
    std::string shown;
    char buffer[512];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        shown.append(buffer, static_cast<size_t>(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    text = FromUtf8(shown);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

// Two trainers on one database would build their papers over each other's:
// the second one to start is refused, and the first one works on.
TEST_F(Startup, ASecondTrainerOnTheSameDatabaseIsRefused)
{
    ASSERT_TRUE(theApp().open());
    String text;
    EXPECT_EQ(StartInAnotherProcess(false, boxes, haltStatus, text), 1);
    EXPECT_EQ(Left(text, 18), "连接数据库出错！\r\n");
    EXPECT_NE(Pos(text, "另一个练习系统正在使用数据库"), 0) << ToUtf8(text);

    // The first trainer's database is untouched and still takes its writes.
    sqlca.ExecuteImmediate("insert into t_error (user, mno) values ('kelvadorint', 4)");
    EXPECT_EQ(sqlca.SQLCode, 0);
    EXPECT_EQ(errorRows(), 1);
}

// The lock goes with its holder, however it ends.
TEST_F(Startup, AKilledTrainerLeavesNoLockBehind)
{
    const pid_t holder = fork();
    if (holder == 0) {
        std::string error;
        HoldFileForThisProcess(db.file(), error);
        raise(SIGKILL);
    }
    int status = 0;
    waitpid(holder, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_TRUE(theApp().open());
    EXPECT_TRUE(boxes.empty());
}

// A database the trainer cannot write is found at start, not at the first
// answer: a read-only file, or a folder where no journal can be made.
TEST_F(Startup, AnUnwritableDatabaseIsRefusedAtStart)
{
    const QString folder = QString::fromStdString(db.folder());
    const QString file = QString::fromStdString(db.file());
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto openFolder = readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    struct Case {
        const char *what;
        QFile::Permissions folder, file;
    } cases[] = {{"read-only file", openFolder | QFile::WriteOwner, readable},
                 {"read-only folder", openFolder, readable | QFile::WriteOwner}};
    for (const Case &c : cases) {
        ASSERT_TRUE(QFile::setPermissions(folder, c.folder));
        ASSERT_TRUE(QFile::setPermissions(file, c.file));
        String text;
        EXPECT_EQ(StartInAnotherProcess(true, boxes, haltStatus, text), 1) << c.what;
        EXPECT_EQ(Left(text, 18), "连接数据库出错！\r\n") << c.what;
        EXPECT_NE(Pos(text, "数据库不能写入"), 0) << c.what << ": " << ToUtf8(text);
    }
    QFile::setPermissions(folder, openFolder | QFile::WriteOwner);
    QFile::setPermissions(file, readable | QFile::WriteOwner);
}

// A program folder whose name holds characters code page 936 has no code
// for: the database, its lock and the error log are all found there.
TEST_F(Startup, AnyFolderNameWorks)
{
    QTemporaryDir outer;
    const QString folder = outer.path() + QString::fromUtf8("/jörg Ω/");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(db.file()), folder + "vqb005.dat"));
    SetModuleFileName(folder.toStdString() + "app.exe");
    ASSERT_TRUE(theApp().open());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(errorRows(), 0);
    const int file = FileOpenAppend(gs_path + "err_info.txt");
    EXPECT_GT(file, 0);
    FileWriteLine(file, "x");
    FileClose(file);
    EXPECT_TRUE(QFile::exists(folder + "err_info.txt"));
}
