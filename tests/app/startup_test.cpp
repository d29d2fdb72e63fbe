#include "app/app.h"
#include "app/globals.h"

#include "runtime/ui/halt.h"
#include "runtime/ui/messagebox.h"
#include "runtime/win32/module.h"
#include "frame/w_main.h"
#include "test_database.h"
#include "test_windows.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace runtime;

TEST(ProgramFolder, CutAtTheProgramName)
{
    struct Case {
        const char *exe, *folder;
    } cases[] = {{"D:\\练习\\app.exe", "D:\\练习\\"},
                 {"D:\\练习\\App.Exe", "D:\\练习\\"},
                 {"D:\\app.exe.d\\app.exe", "D:\\"},
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
        SetModuleFileName(FromUtf8(db.folder() + "app.exe"));
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
