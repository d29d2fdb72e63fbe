// The database transaction: one connection to the program's enciphered
// database file, and the embedded SQL the scripts run on it.
//
// Like the scripting runtime's transaction object, it reports every outcome
// in SQLCode (0 success, 100 no row found, -1 failure), SQLDBCode and
// SQLErrText, and never throws: a script tests SQLCode where it cares.
// Statement texts and text values are code-page-936 Strings; they reach the
// database as UTF-8.
#pragma once

#include "runtime/db/value.h"

#include <vector>

struct sqlite3;

namespace runtime {

struct ResultSet {
    std::vector<String> columns; // column names, lower case as selected
    std::vector<Row> rows;
};

// What Connect reads from DBParm: "ConnectString='...;PWD=<password>;dbq=<file>'".
struct ConnectSettings {
    String password;
    String file; // mapped to this system's folder separators
};
ConnectSettings ParseConnectString(const String &dbParm);

class Transaction {
public:
    Transaction() = default;
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    // Properties. Only DBMS, AutoCommit and DBParm affect the connection.
    String DBMS;
    String Database;
    String LogID;
    String LogPass;
    String ServerName;
    String UserID;
    String DBPass;
    String Lock;
    String DBParm;
    bool AutoCommit = false;

    long SQLCode = 0;
    long SQLDBCode = 0;
    long SQLNRows = 0;
    String SQLErrText;

    // Opens the existing database file named by DBParm with its password.
    // A missing file, a file that is not ours or a wrong password fails.
    void Connect();
    // Closes the connection; disconnecting a closed transaction succeeds.
    void Disconnect();
    // Commits an open transaction; with nothing open, or inside a
    // TransactionScope (which commits by itself), it is a successful no-op.
    void Commit();
    void Rollback();
    bool IsConnected() const { return db_ != nullptr; }
    // Whether a database transaction is open: a statement now would not
    // commit by itself.
    bool InTransaction() const;

    // EXECUTE IMMEDIATE of a statement assembled as text.
    void ExecuteImmediate(const String &sql) { Execute(sql); }
    // An embedded statement whose host variables are bound to the '?' in sql.
    void Execute(const String &sql, const std::vector<Value> &params = {});
    // One statement run for each parameter row, prepared once and inside one
    // TransactionScope that takes every row back when one fails: where a
    // script's many single writes become one.
    void ExecuteMany(const String &sql, const std::vector<Row> &rows);
    // The rows of a select.
    ResultSet Query(const String &sql, const std::vector<Value> &params = {});

    // SELECT ... INTO host variables: the first row's columns go to out, in
    // order; SQLCode is 100 when there is no row (out is left as it was).
    template <typename... Out>
    void SelectInto(const String &sql, const std::vector<Value> &params, Out &...out)
    {
        Row row;
        if (!selectFirstRow(sql, params, row))
            return;
        size_t i = 0;
        (assignHost(out, i < row.size() ? row[i++] : Value()), ...);
    }

private:
    friend class TransactionScope;
    bool selectFirstRow(const String &sql, const std::vector<Value> &params, Row &row);
    bool requireConnection();
    void succeed(long rows);
    void fail(long dbCode, const String &text);
    void failFromDatabase();

    static void assignHost(String &out, const Value &v) { out = v.toString(); }
    static void assignHost(long &out, const Value &v) { out = v.toLong(); }
    static void assignHost(int &out, const Value &v) { out = static_cast<int>(v.toLong()); }
    static void assignHost(long long &out, const Value &v) { out = v.toLongLong(); }
    static void assignHost(double &out, const Value &v) { out = v.toDouble(); }
    static void assignHost(Value &out, const Value &v) { out = v; }

    sqlite3 *db_ = nullptr;
    int scopeDepth_ = 0; // TransactionScopes alive
};

// How a TransactionScope ends when Commit was not called.
enum class ScopeEnd {
    // Commits: the statements are steps of one piece of work that nobody
    // observes one by one (building a paper, say), and they cost one commit
    // instead of one each.
    Commit,
    // Takes back: the statements are stored together, at Commit, or not at
    // all (an answer with its book row), so a program killed halfway, a full
    // disk or a power cut leaves either every one of them or none.
    TakeBack,
};

// Makes the statements issued while it lives one database transaction or,
// inside a transaction already open (another scope's), a savepoint of it,
// which the outer transaction's commit stores. The script's own Commit
// calls inside do nothing: the scope commits, at Commit or at its end.
//
// Each statement inside succeeds or fails alone, as it would outside, and
// SQLCode tells its outcome. Commit stores everything the scope holds and
// reports the outcome in SQLCode; a commit the database refuses takes
// everything back, leaves no transaction open, and SQLCode and SQLErrText
// tell why. At its end without Commit, a scope does what its ScopeEnd
// says: it commits, leaving SQLCode with the last statement's outcome
// unless the commit was refused, or it takes everything back, leaving
// SQLCode and SQLErrText as the last failure set them.
class TransactionScope {
public:
    TransactionScope(Transaction &t, ScopeEnd atEnd);
    ~TransactionScope();
    TransactionScope(const TransactionScope &) = delete;
    TransactionScope &operator=(const TransactionScope &) = delete;

    // Whether the scope holds statements not yet committed or taken back:
    // false when it could not begin (SQLCode and SQLErrText tell why), and
    // once it has committed.
    bool IsOpen() const { return open_; }
    // Stores the statements. False when the database refused the commit:
    // then none of them is stored, and SQLCode and SQLErrText tell why.
    bool Commit();

private:
    bool commitOrTakeBack();
    void takeBack();

    Transaction &t_;
    const ScopeEnd atEnd_;
    bool open_ = false;      // begun, not yet committed or taken back
    bool outermost_ = false; // a transaction of its own, not a savepoint in one
    String failure_;         // why Commit cannot store anything once not open
};

// Opens a database file with a password (the connect code's own step, also
// used by the bank builder). Returns nullptr and sets error on failure;
// create makes a missing file.
sqlite3 *OpenDatabase(const std::string &file, const String &password, bool create, std::string &error);

} // namespace runtime
