#include "runtime/db/transaction.h"

#include "test_database.h"

#include <QFile>
#include <gtest/gtest.h>

#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>

using namespace runtime;

TEST(ConnectString, ReadsPasswordAndFile)
{
    const auto s = ParseConnectString(
        "ConnectString='DRIVER=Driver do Microsoft Access (*.mdb);PWD=se;cr'et;dbq=/opt/练习/\\vqb005.dat'");
    EXPECT_EQ(s.password, "se;cr'et");
    EXPECT_EQ(s.file, "/opt/练习/vqb005.dat");
    EXPECT_EQ(ParseConnectString("ConnectString='PWD=x;DBQ=C:\\a\\\\b.dat'").file, "C:/a/b.dat");
    EXPECT_EQ(ParseConnectString("nothing").file, "");
}

class TransactionTest : public testing::Test {
protected:
    void SetUp() override
    {
        t.AutoCommit = true;
        t.DBParm = db.dbParm();
        t.Connect();
        ASSERT_EQ(t.SQLCode, 0) << ToUtf8(t.SQLErrText);
    }
    // A child row without its parent is refused, but only by the commit: the
    // constraint is deferred to it.
    void refuseOrphansAtCommit()
    {
        t.ExecuteImmediate("pragma foreign_keys = on");
        t.ExecuteImmediate("create table parent (id integer primary key)");
        t.ExecuteImmediate("create table child (pid references parent (id) deferrable initially deferred)");
    }
    TempDatabase db;
    Transaction t;
};

TEST_F(TransactionTest, EmbeddedStatementsAndHostVariables)
{
    String name = "O'Brien \"x\"; drop table t_cj; --";
    t.Execute("insert into t_cj (name, cj) values (?, ?)", {name, String("95")});
    EXPECT_EQ(t.SQLCode, 0);
    EXPECT_EQ(t.SQLNRows, 1);

    String read;
    long count = -1;
    t.SelectInto("select name, (select count(*) from t_cj) from t_cj where cj = ?", {String("95")}, read, count);
    EXPECT_EQ(t.SQLCode, 0);
    EXPECT_EQ(read, name);
    EXPECT_EQ(count, 1);

    // No row: SQLCode 100 and the host variable keeps its value.
    String kept = "kept";
    t.SelectInto("select name from t_cj where cj = 'none'", {}, kept);
    EXPECT_EQ(t.SQLCode, 100);
    EXPECT_EQ(kept, "kept");

    // Chinese text goes in and out unchanged.
    t.Execute("update t_system set cx = ? where id =1", {String("练习")});
    String cx;
    t.SelectInto("select cx from t_system where id =1", {}, cx);
    EXPECT_EQ(cx, "练习");
}

TEST_F(TransactionTest, FailuresAreReportedNotThrown)
{
    t.ExecuteImmediate("delete from no_such_table");
    EXPECT_EQ(t.SQLCode, -1);
    EXPECT_NE(t.SQLErrText.find("no_such_table"), std::string::npos);
    long n = 5;
    t.SelectInto("select nonsense from", {}, n);
    EXPECT_EQ(t.SQLCode, -1);
    EXPECT_EQ(n, 5);
    // A duplicate key of the current paper fails like any statement.
    t.ExecuteImmediate("insert into t_kzmn (mno) values (1)");
    t.ExecuteImmediate("insert into t_kzmn (mno) values (1)");
    EXPECT_EQ(t.SQLCode, -1);
    // The next good statement clears the code.
    t.ExecuteImmediate("delete from t_kzmn");
    EXPECT_EQ(t.SQLCode, 0);
    EXPECT_EQ(t.SQLErrText, "");
}

TEST_F(TransactionTest, CommitWithoutTransactionIsANoOp)
{
    t.Commit();
    EXPECT_EQ(t.SQLCode, 0);
    t.ExecuteImmediate("insert into t_kzmn (mno) values (7)");
    String zd;
    t.SelectInto("select zdanswer from t_kzmn where mno = 7", {}, zd);
    EXPECT_EQ(zd, "0"); // the column's default: not answered
}

TEST_F(TransactionTest, ExecuteManyIsAllOrNothing)
{
    t.ExecuteMany("insert into t_mno (id, mno) values (?, ?)", {{1L, 3L}, {2L, 1L}, {3L, 2L}});
    EXPECT_EQ(t.SQLCode, 0);
    EXPECT_EQ(t.SQLNRows, 3);
    t.ExecuteMany("insert into t_mno (id, mno) values (?, ?)", {{4L, 4L}, {1L, 9L}});
    EXPECT_EQ(t.SQLCode, -1);
    long n = 0;
    t.SelectInto("select count(*) from t_mno", {}, n);
    EXPECT_EQ(n, 3);

    // Inside a scope, a failure takes back its own rows only.
    {
        TransactionScope group(t, ScopeEnd::Commit);
        t.ExecuteImmediate("insert into t_mno (id, mno) values (4, 4)");
        t.ExecuteMany("insert into t_mno (id, mno) values (?, ?)", {{5L, 5L}, {1L, 9L}});
        EXPECT_EQ(t.SQLCode, -1);
    }
    t.SelectInto("select count(*) from t_mno", {}, n);
    EXPECT_EQ(n, 4);
}

TEST_F(TransactionTest, AScopeThatCommitsAtItsEndCommitsOnceAndKeepsTheLastOutcome)
{
    {
        TransactionScope group(t, ScopeEnd::Commit);
        t.ExecuteImmediate("insert into t_mno (id, mno) values (1, 1)");
        t.Commit(); // deferred to the group's end
        EXPECT_EQ(t.SQLCode, 0);
        t.ExecuteImmediate("insert into t_mno (id, mno) values (1, 2)"); // fails alone
        EXPECT_EQ(t.SQLCode, -1);
        t.ExecuteImmediate("insert into t_mno (id, mno) values (2, 2)");
        t.ExecuteImmediate("insert into no_table values (1)");
    }
    EXPECT_EQ(t.SQLCode, -1); // the last statement's failure is still there
    EXPECT_NE(t.SQLErrText.find("no_table"), std::string::npos);

    // Another connection sees the committed rows.
    Transaction other;
    other.DBParm = db.dbParm();
    other.Connect();
    long n = 0;
    other.SelectInto("select count(*) from t_mno", {}, n);
    EXPECT_EQ(n, 2);
}

// A scope that commits at its end, whose commit the database refuses there
// or at Commit, takes everything back, leaves no transaction open and says
// why, as one that takes back does (AScopeThatTakesBack... below).
TEST_F(TransactionTest, AScopeThatCommitsAtItsEndLeavesNothingWhenRefused)
{
    refuseOrphansAtCommit();
    for (const bool commitCalled : {false, true}) {
        SCOPED_TRACE(commitCalled ? "refused at Commit" : "refused at the end");
        {
            TransactionScope scope(t, ScopeEnd::Commit);
            t.ExecuteImmediate("insert into t_mno (id, mno) values (3, 3)");
            t.ExecuteImmediate("insert into child values (9)");
            EXPECT_EQ(t.SQLCode, 0);
            if (commitCalled) {
                EXPECT_FALSE(scope.Commit());
            }
        }
        EXPECT_EQ(t.SQLCode, -1);
        EXPECT_NE(t.SQLErrText.find("FOREIGN KEY"), std::string::npos);
        EXPECT_FALSE(t.InTransaction());
        long n = -1;
        t.SelectInto("select count(*) from t_mno", {}, n);
        EXPECT_EQ(n, 0);
    }
}

// Statements in a scope that takes back at its end are stored together or
// not at all: without Commit, a failed statement takes back those before it
// and keeps its reason; a refused commit takes everything back; inside
// another scope it is a savepoint that takes back only its own statements.
TEST_F(TransactionTest, AScopeThatTakesBackStoresEveryStatementOrNone)
{
    auto rows = [&] {
        long n = -1;
        t.SelectInto("select count(*) from t_mno", {}, n);
        return n;
    };
    {
        TransactionScope group(t, ScopeEnd::TakeBack);
        t.ExecuteImmediate("insert into t_mno (id, mno) values (1, 1)");
        t.Commit(); // the group commits, not the script
        t.ExecuteImmediate("insert into t_mno (id, mno) values (1, 2)");
        EXPECT_EQ(t.SQLCode, -1);
    }
    EXPECT_EQ(t.SQLCode, -1);
    EXPECT_NE(t.SQLErrText.find("UNIQUE"), std::string::npos);
    EXPECT_EQ(rows(), 0);

    {
        TransactionScope group(t, ScopeEnd::TakeBack);
        t.ExecuteImmediate("insert into t_mno (id, mno) values (1, 1)");
        t.ExecuteImmediate("insert into t_mno (id, mno) values (2, 2)");
        EXPECT_TRUE(group.Commit());
        EXPECT_EQ(t.SQLCode, 0);
    }
    EXPECT_EQ(rows(), 2);

    // A commit the database refuses (a deferred constraint, checked only
    // there) takes everything back and leaves no transaction open.
    refuseOrphansAtCommit();
    {
        TransactionScope group(t, ScopeEnd::TakeBack);
        t.ExecuteImmediate("insert into t_mno (id, mno) values (3, 3)");
        t.ExecuteImmediate("insert into child values (9)");
        EXPECT_EQ(t.SQLCode, 0);
        EXPECT_FALSE(group.Commit());
        EXPECT_EQ(t.SQLCode, -1);
        EXPECT_NE(t.SQLErrText.find("FOREIGN KEY"), std::string::npos);
    }
    EXPECT_EQ(rows(), 2);
    t.ExecuteImmediate("insert into t_mno (id, mno) values (6, 6)"); // commits by itself
    Transaction other;
    other.DBParm = db.dbParm();
    other.Connect();
    long seen = 0;
    other.SelectInto("select count(*) from t_mno", {}, seen);
    EXPECT_EQ(seen, 3);
    t.ExecuteImmediate("delete from t_mno where id = 6");

    {
        TransactionScope outer(t, ScopeEnd::Commit);
        t.ExecuteImmediate("insert into t_mno (id, mno) values (3, 3)");
        {
            TransactionScope group(t, ScopeEnd::TakeBack);
            t.ExecuteImmediate("insert into t_mno (id, mno) values (4, 4)");
        }
        TransactionScope group(t, ScopeEnd::TakeBack);
        t.ExecuteImmediate("insert into t_mno (id, mno) values (5, 5)");
        EXPECT_TRUE(group.Commit());
    }
    std::vector<long> ids;
    for (const Row &r : t.Query("select id from t_mno order by id").rows)
        ids.push_back(static_cast<long>(r[0].toLongLong()));
    EXPECT_EQ(ids, (std::vector<long>{1, 2, 3, 5}));
}

// A connection commits durably: the journal is deleted at a commit and the
// folder is synced after it (synchronous EXTRA), read back from the
// connection the program uses.
TEST_F(TransactionTest, CommitsAreSyncedThroughTheFolder)
{
    String synchronous, journal;
    t.SelectInto("pragma synchronous", {}, synchronous);
    t.SelectInto("pragma journal_mode", {}, journal);
    EXPECT_EQ(synchronous, "3"); // EXTRA
    EXPECT_EQ(journal, "delete");
}

TEST_F(TransactionTest, QueryGivesTypedValues)
{
    const ResultSet rs = t.Query("select mno, tx, null, 1.5 from t_tk005 where mno = 4");
    ASSERT_EQ(rs.rows.size(), 1u);
    EXPECT_EQ(rs.columns[0], "mno");
    EXPECT_TRUE(rs.rows[0][0].isInteger());
    EXPECT_EQ(rs.rows[0][1].toString(), "1");
    EXPECT_TRUE(rs.rows[0][2].isNull());
    EXPECT_DOUBLE_EQ(rs.rows[0][3].toDouble(), 1.5);
}

TEST_F(TransactionTest, DisconnectTwiceAndUseAfterwards)
{
    t.Disconnect();
    EXPECT_EQ(t.SQLCode, 0);
    t.Disconnect();
    EXPECT_EQ(t.SQLCode, 0);
    t.ExecuteImmediate("delete from t_cj");
    EXPECT_EQ(t.SQLCode, -1);
    EXPECT_FALSE(t.IsConnected());
}

TEST(TransactionConnect, FailsWithoutCreatingOrOpeningForeignFiles)
{
    TempDatabase db;
    const String dbParm = db.dbParm();

    Transaction wrongKey;
    wrongKey.DBParm = "ConnectString='PWD=wrong;dbq=" + FromUtf8(db.file()) + "'";
    wrongKey.Connect();
    EXPECT_NE(wrongKey.SQLCode, 0);
    EXPECT_FALSE(wrongKey.SQLErrText.empty());

    // The file is enciphered: plain SQLite cannot read it.
    {
        Transaction plain;
        plain.DBParm = "ConnectString='PWD=;dbq=" + FromUtf8(db.file()) + "'";
        plain.Connect();
        EXPECT_NE(plain.SQLCode, 0);
    }

    QFile::remove(QString::fromStdString(db.file()));
    Transaction missing;
    missing.DBParm = dbParm;
    missing.Connect();
    EXPECT_NE(missing.SQLCode, 0);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(db.file()))); // never created

    // A file that is not a database at all.
    QFile junk(QString::fromStdString(db.file()));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(5000, 'x'));
    junk.close();
    Transaction corrupt;
    corrupt.DBParm = dbParm;
    corrupt.Connect();
    EXPECT_NE(corrupt.SQLCode, 0);

    Transaction unconnected;
    unconnected.ExecuteImmediate("select 1");
    EXPECT_EQ(unconnected.SQLCode, -1);
}
