#include "runtime/db/transaction.h"
#include "runtime/dw/datastore.h"
#include "runtime/script/error.h"

#include "test_database.h"

#include <gtest/gtest.h>

using namespace runtime;

namespace {

// A data store over t_cj of a fresh test database; t_cj has no key in the
// database, so the tests give it name as the data object's key.
class DataStoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        t.AutoCommit = true;
        t.DBParm = db.dbParm();
        t.Connect();
        ASSERT_EQ(t.SQLCode, 0) << ToUtf8(t.SQLErrText);
        t.Execute("insert into t_cj (name, sfzh, cj) values ('b', '2', '80'), ('a', '1', '95'), ('c', null, '70')");
        ASSERT_EQ(t.SQLCode, 0);

        DataObject d("d_cj");
        d.column("name", ColumnType::Char, 20)
            .column("sfzh", ColumnType::Char, 18)
            .column("cj", ColumnType::Long)
            .select("select name, sfzh, cj from t_cj")
            .sort("name A")
            .update("t_cj", {"name"}, {"sfzh", "cj"});
        ds.SetDataObject(d);
        ds.SetTransObject(t);
    }

    long count(const String &where)
    {
        long n = -1;
        t.SelectInto("select count(*) from t_cj where " + where, {}, n);
        return n;
    }

    TempDatabase db;
    Transaction t;
    DataStore ds;
};

TEST_F(DataStoreTest, RetrieveSortsAndReadsItems)
{
    EXPECT_EQ(ds.Retrieve(), 3);
    EXPECT_EQ(ds.RowCount(), 3);
    EXPECT_EQ(ds.GetRow(), 1);
    EXPECT_EQ(ds.GetItemString(1, "name"), "a");
    EXPECT_EQ(ds.GetItemString(3, 1), "c");
    EXPECT_EQ(ds.GetItemNumber(1, "CJ"), 95);
    EXPECT_TRUE(ds.GetItem(3, "sfzh").isNull());
    EXPECT_EQ(ds.GetItemStatus(1, 0), ItemStatus::NotModified);

    EXPECT_EQ(ds.SetSort("cj D"), 1);
    EXPECT_EQ(ds.Sort(), 1);
    EXPECT_EQ(ds.GetItemString(1, "name"), "a");
    EXPECT_EQ(ds.GetItemString(3, "name"), "c");
    EXPECT_EQ(ds.SetSort("#2 A"), 1);
    ds.Sort();
    EXPECT_TRUE(ds.GetItem(1, "sfzh").isNull()); // null sorts first
    EXPECT_EQ(ds.SetSort("nothing A"), -1);
    EXPECT_EQ(ds.SetSort("name X"), -1);
}

TEST_F(DataStoreTest, RetrieveFailures)
{
    DataStore unbound(ds.dataObject());
    EXPECT_EQ(unbound.Retrieve(), -1);

    EXPECT_EQ(ds.SetSQLSelect("select name, sfzh, cj from no_such_table"), 1);
    EXPECT_EQ(ds.Retrieve(), -1);
    EXPECT_EQ(t.SQLCode, -1);
    EXPECT_EQ(ds.RowCount(), 0);
    EXPECT_EQ(ds.SetSQLSelect(""), -1);
}

TEST_F(DataStoreTest, SqlSelectCanBeExtended)
{
    const String saved = ds.GetSQLSelect();
    ds.SetSQLSelect(saved + " where cj > 75 order by cj");
    EXPECT_EQ(ds.Retrieve(), 2);
    EXPECT_EQ(ds.Describe("DataWindow.Table.Select"), saved + " where cj > 75 order by cj");
}

TEST_F(DataStoreTest, MissingRowsAndColumnsAreRunTimeErrors)
{
    ds.Retrieve();
    auto expectError = [](auto call) {
        try {
            call();
            ADD_FAILURE() << "no run-time error";
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.number(), static_cast<int>(ErrorNumber::InvalidRowOrColumn));
        }
    };
    expectError([&] { ds.GetItemString(0, "name"); });
    expectError([&] { ds.GetItemString(4, "name"); });
    expectError([&] { ds.GetItemString(1, "nothing"); });
    // A column is named in any case and with blanks around it, nothing more.
    for (const char *name : {"sfzh", "SFZH", " SfZh  "})
        EXPECT_EQ(ds.GetItemString(1, name), "1") << name;
    for (const char *name : {"sfz", "sfzh2", "sf zh", "", "  "})
        expectError([&] { ds.GetItemString(1, name); });
    expectError([&] { ds.GetItemNumber(1, 4); });
    expectError([&] { ds.SetItem(4, "name", String("x")); });
    expectError([&] { ds.SetItem(1, "nothing", String("x")); });
    expectError([&] { ds.GetItemStatus(9, 0); });

    // Functions that report by result do not throw.
    EXPECT_EQ(ds.DeleteRow(9), -1);
    EXPECT_EQ(ds.InsertRow(9), -1);
    EXPECT_EQ(ds.SetRow(0), -1);
    EXPECT_EQ(ds.SetRow(4), -1);
    EXPECT_EQ(ds.SetItem(1, "cj", String("abc")), -1);
    EXPECT_EQ(ds.GetItemNumber(1, "cj"), 95);
}

TEST_F(DataStoreTest, UpdateWritesChangedRowsByKey)
{
    ds.Retrieve();
    EXPECT_EQ(ds.SetItem(1, "cj", String("99")), 1); // a number text goes into a long column
    EXPECT_EQ(ds.GetItemStatus(1, "cj"), ItemStatus::DataModified);
    EXPECT_EQ(ds.GetItemStatus(1, "sfzh"), ItemStatus::NotModified);
    EXPECT_EQ(ds.GetItemStatus(1, 0), ItemStatus::DataModified);
    ds.SetItem(2, "sfzh", String("O'Brien; drop table t_cj"));
    ds.DeleteRow(3);
    const long row = ds.InsertRow(0);
    EXPECT_EQ(ds.GetItemStatus(row, 0), ItemStatus::New);
    ds.SetItem(row, "name", String("新"));
    ds.SetItem(row, "cj", 60);
    EXPECT_EQ(ds.GetItemStatus(row, 0), ItemStatus::NewModified);
    ds.InsertRow(0); // new and never set: not written

    EXPECT_EQ(ds.Update(), 1);
    EXPECT_EQ(count("name = 'a' and cj = 99"), 1);
    EXPECT_EQ(count("name = 'b' and sfzh = 'O''Brien; drop table t_cj'"), 1);
    EXPECT_EQ(count("name = 'c'"), 0);
    EXPECT_EQ(count("name = '新' and cj = 60"), 1);
    EXPECT_EQ(count("1 = 1"), 3);
    EXPECT_EQ(ds.GetItemStatus(1, 0), ItemStatus::NotModified);

    // A second update has nothing to write.
    EXPECT_EQ(ds.Update(), 1);
    EXPECT_EQ(count("1 = 1"), 3);
}

TEST_F(DataStoreTest, KeyChangedByScriptStillFindsTheRow)
{
    DataObject d = ds.dataObject();
    d.update("t_cj", {"name"}, {"name", "cj"});
    ds.SetDataObject(d);
    ds.SetTransObject(t);
    ds.Retrieve();
    ds.SetItem(1, "name", String("z"));
    EXPECT_EQ(ds.Update(), 1);
    EXPECT_EQ(count("name = 'z' and cj = 95"), 1);
    EXPECT_EQ(count("name = 'a'"), 0);
}

TEST_F(DataStoreTest, FailedUpdateWritesNothingAndKeepsChanges)
{
    ds.Retrieve();
    ds.SetItem(1, "cj", 1);
    ds.SetItem(2, "cj", 2);
    // Row 2 vanishes from the table behind the data store's back.
    t.Execute("delete from t_cj where name = 'b'");
    EXPECT_EQ(ds.Update(), -1);
    EXPECT_EQ(t.SQLCode, -1);
    EXPECT_FALSE(t.SQLErrText.empty());
    EXPECT_EQ(count("name = 'a' and cj = 95"), 1); // row 1 was rolled back
    EXPECT_EQ(ds.GetItemStatus(1, "cj"), ItemStatus::DataModified);

    DataStore external(DataObject("d_ext").column("a", ColumnType::Char, 1));
    external.SetTransObject(t);
    EXPECT_EQ(external.Update(), -1); // no update table
}

TEST_F(DataStoreTest, AnUpdateWhoseCommitIsRefusedLeavesNoTransactionOpen)
{
    // Another connection reading keeps the update from committing.
    Transaction reader;
    reader.AutoCommit = true;
    reader.DBParm = db.dbParm();
    reader.Connect();
    ASSERT_EQ(reader.SQLCode, 0);
    reader.Execute("begin");
    long n = 0;
    reader.SelectInto("select count(*) from t_cj", {}, n);
    ASSERT_EQ(n, 3);

    ds.Retrieve();
    ds.SetItem(1, "cj", 1);
    EXPECT_EQ(ds.Update(), -1);
    EXPECT_EQ(t.SQLCode, -1);
    EXPECT_EQ(ds.GetItemStatus(1, "cj"), ItemStatus::DataModified);
    reader.Execute("commit");

    // The program's next statement commits by itself, as before the refusal,
    // and the refused change is gone.
    t.Execute("insert into t_cj (name, cj) values ('d', '50')");
    ASSERT_EQ(t.SQLCode, 0);
    reader.SelectInto("select count(*) from t_cj where name = 'd'", {}, n);
    EXPECT_EQ(n, 1);
    reader.SelectInto("select count(*) from t_cj where name = 'a' and cj = 95", {}, n);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(ds.Update(), 1); // the kept change goes in once the database accepts it
    EXPECT_EQ(count("name = 'a' and cj = 1"), 1);
}

TEST_F(DataStoreTest, InsertDeleteAndCurrentRow)
{
    DataStore s(DataObject("d_ext").column("a", ColumnType::Char, 10).column("n", ColumnType::Number));
    std::vector<long> focus;
    EXPECT_EQ(s.GetRow(), 0);
    EXPECT_EQ(s.InsertRow(0), 1);
    EXPECT_EQ(s.GetRow(), 1);
    s.SetItem(1, "a", String("first"));
    EXPECT_EQ(s.InsertRow(0), 2);
    s.SetItem(2, "a", String("last"));
    EXPECT_EQ(s.InsertRow(1), 1);
    s.SetItem(1, "a", String("before"));
    EXPECT_EQ(s.GetRow(), 2); // the current row moved down with its data
    EXPECT_EQ(s.GetItemString(2, "a"), "first");
    EXPECT_EQ(s.SetItem(1, "n", 2.5), 1);
    EXPECT_EQ(s.GetItemNumber(1, "n"), 2.5);

    EXPECT_EQ(s.DeleteRow(1), 1);
    EXPECT_EQ(s.GetRow(), 1);
    EXPECT_EQ(s.GetItemString(1, "a"), "first");
    EXPECT_EQ(s.DeleteRow(0), 1); // the current row
    EXPECT_EQ(s.GetItemString(1, "a"), "last");
    EXPECT_EQ(s.ScrollToRow(5), 1); // past the end: the last row
    EXPECT_EQ(s.GetRow(), 1);
    EXPECT_EQ(s.ScrollToRow(0), -1);
    EXPECT_EQ(s.Reset(), 1);
    EXPECT_EQ(s.RowCount(), 0);
    EXPECT_EQ(s.GetRow(), 0);
}

} // namespace
