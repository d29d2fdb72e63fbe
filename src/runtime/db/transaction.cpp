#include "runtime/db/transaction.h"

#include "runtime/file/native_path.h"

#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <memory>

namespace runtime {

namespace {

// The key derivation cost of the database file. The password lives inside
// the program, so the cipher keeps casual readers out rather than a patient
// attacker; a lighter derivation keeps the start-up quick. The bank builder
// writes the file with the same setting.
constexpr int kKdfIterations = 4000;

String upperAscii(const String &s) { return Upper(s); }

// Finds key (such as ";PWD=") in s without regard to case, from the left or
// the right.
size_t findKey(const String &s, const String &key, bool last)
{
    const String us = upperAscii(s);
    const String uk = upperAscii(key);
    return last ? us.rfind(uk) : us.find(uk);
}

struct StatementDeleter {
    void operator()(sqlite3_stmt *s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

void bindAll(sqlite3_stmt *stmt, const std::vector<Value> &params)
{
    const int count = sqlite3_bind_parameter_count(stmt);
    for (int i = 0; i < count && i < static_cast<int>(params.size()); ++i) {
        const Value &v = params[static_cast<size_t>(i)];
        if (v.isNull()) {
            sqlite3_bind_null(stmt, i + 1);
        } else if (v.isInteger()) {
            sqlite3_bind_int64(stmt, i + 1, v.toLongLong());
        } else if (v.isDecimal()) {
            sqlite3_bind_double(stmt, i + 1, v.toDouble());
        } else {
            const std::string u = ToUtf8(v.toString());
            sqlite3_bind_text(stmt, i + 1, u.data(), static_cast<int>(u.size()), SQLITE_TRANSIENT);
        }
    }
}

Value columnValue(sqlite3_stmt *stmt, int i)
{
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return Value(static_cast<long long>(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT:
        return Value(sqlite3_column_double(stmt, i));
    case SQLITE_NULL:
        return Value();
    case SQLITE_BLOB: {
        const auto *p = static_cast<const char *>(sqlite3_column_blob(stmt, i));
        return Value(String(std::string(p ? p : "", static_cast<size_t>(sqlite3_column_bytes(stmt, i)))));
    }
    default: {
        const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(stmt, i));
        return Value(FromUtf8(std::string_view(p ? p : "", static_cast<size_t>(sqlite3_column_bytes(stmt, i)))));
    }
    }
}

} // namespace

ConnectSettings ParseConnectString(const String &dbParm)
{
    ConnectSettings settings;
    // The connect string is quoted: ConnectString='...'. The password may hold
    // any byte, quotes and semicolons included, so the quoted part runs to the
    // last quote and the password to the last ";dbq=".
    String inner = dbParm;
    const size_t open = dbParm.find('\'');
    const size_t close = dbParm.rfind('\'');
    if (open != std::string::npos && close != std::string::npos && close > open)
        inner = dbParm.substr(open + 1, close - open - 1);

    const size_t dbq = findKey(inner, ";dbq=", true);
    const size_t pwd = findKey(inner, "PWD=", false);
    if (pwd != std::string::npos && (dbq == std::string::npos || pwd < dbq)) {
        const size_t from = pwd + 4;
        settings.password = inner.substr(from, (dbq == std::string::npos ? inner.size() : dbq) - from);
    }
    if (dbq != std::string::npos) {
        String file = inner.substr(dbq + 5);
        const size_t end = file.find(';');
        if (end != std::string::npos)
            file.resize(end);
        // The program builds the path with backslashes and a doubled one
        // between the folder and the file name.
        std::replace(file.begin(), file.end(), '\\', '/');
        String collapsed;
        for (char c : file)
            if (!(c == '/' && !collapsed.empty() && collapsed.back() == '/'))
                collapsed += c;
        settings.file = collapsed;
    }
    return settings;
}

sqlite3 *OpenDatabase(const std::string &file, const String &password, bool create, std::string &error)
{
    sqlite3 *db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    int rc = sqlite3_open_v2(file.c_str(), &db, flags, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_key(db, password.data(), static_cast<int>(password.size()));
    if (rc == SQLITE_OK) {
        const std::string kdf = "PRAGMA kdf_iter = " + std::to_string(kKdfIterations);
        rc = sqlite3_exec(db, kdf.c_str(), nullptr, nullptr, nullptr);
    }
    // The key is only tried on the first read: a wrong password or a file
    // that is not an enciphered database fails here.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        error = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        if (rc == SQLITE_CANTOPEN)
            error = "unable to open database file: " + file;
        sqlite3_close(db);
        return nullptr;
    }
    // A commit ends by deleting the journal. Until the folder that held it
    // is synced too, a power cut can bring the journal back, and the next
    // start rolls the commit back from it: EXTRA syncs the folder after the
    // delete, so a committed answer stays committed.
    sqlite3_exec(db, "PRAGMA synchronous = EXTRA", nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(db, 2000);
    return db;
}

Transaction::~Transaction()
{
    if (db_)
        sqlite3_close(db_);
}

void Transaction::succeed(long rows)
{
    SQLCode = 0;
    SQLDBCode = 0;
    SQLNRows = rows;
    SQLErrText.clear();
}

void Transaction::fail(long dbCode, const String &text)
{
    SQLCode = -1;
    SQLDBCode = dbCode;
    SQLNRows = 0;
    SQLErrText = text;
}

void Transaction::failFromDatabase()
{
    fail(sqlite3_extended_errcode(db_), FromUtf8(sqlite3_errmsg(db_)));
}

bool Transaction::requireConnection()
{
    if (db_)
        return true;
    fail(-1, "Transaction not connected");
    return false;
}

void Transaction::Connect()
{
    if (db_) {
        sqlite3_close(db_);
        db_ = nullptr;
    }
    const ConnectSettings settings = ParseConnectString(DBParm);
    if (settings.file.empty()) {
        fail(-1, "Connect string names no database file");
        return;
    }
    std::string error;
    db_ = OpenDatabase(NativePath(settings.file), settings.password, false, error);
    if (!db_) {
        fail(-1, FromUtf8(error));
        return;
    }
    succeed(0);
}

void Transaction::Disconnect()
{
    if (db_) {
        if (sqlite3_close(db_) != SQLITE_OK) {
            failFromDatabase();
            return;
        }
        db_ = nullptr;
    }
    succeed(0);
}

void Transaction::Commit()
{
    if (!requireConnection())
        return;
    if (scopeDepth_ > 0 || sqlite3_get_autocommit(db_)) {
        succeed(0);
        return;
    }
    if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        failFromDatabase();
        return;
    }
    succeed(0);
}

bool Transaction::InTransaction() const
{
    return db_ && !sqlite3_get_autocommit(db_);
}

void Transaction::Rollback()
{
    if (!requireConnection())
        return;
    if (!sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    succeed(0);
}

void Transaction::Execute(const String &sql, const std::vector<Value> &params)
{
    if (!requireConnection())
        return;
    const std::string text = ToUtf8(sql);
    sqlite3_stmt *raw = nullptr;
    if (sqlite3_prepare_v2(db_, text.c_str(), static_cast<int>(text.size()), &raw, nullptr) != SQLITE_OK) {
        failFromDatabase();
        return;
    }
    Statement stmt(raw);
    if (!stmt) { // only blanks or a comment
        succeed(0);
        return;
    }
    bindAll(stmt.get(), params);
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        failFromDatabase();
        return;
    }
    succeed(sqlite3_changes(db_));
}

void Transaction::ExecuteMany(const String &sql, const std::vector<Row> &rows)
{
    TransactionScope all(*this, ScopeEnd::TakeBack);
    if (!all.IsOpen())
        return;
    const std::string text = ToUtf8(sql);
    sqlite3_stmt *raw = nullptr;
    bool ok = sqlite3_prepare_v2(db_, text.c_str(), static_cast<int>(text.size()), &raw, nullptr) == SQLITE_OK;
    Statement stmt(raw);
    long changed = 0;
    for (size_t i = 0; ok && stmt && i < rows.size(); ++i) {
        sqlite3_reset(stmt.get());
        sqlite3_clear_bindings(stmt.get());
        bindAll(stmt.get(), rows[i]);
        ok = sqlite3_step(stmt.get()) == SQLITE_DONE;
        changed += sqlite3_changes(db_);
    }
    if (!ok) {
        failFromDatabase();
        return; // the rows written so far are taken back
    }
    stmt.reset();
    if (all.Commit())
        succeed(changed);
}

ResultSet Transaction::Query(const String &sql, const std::vector<Value> &params)
{
    ResultSet result;
    if (!requireConnection())
        return result;
    const std::string text = ToUtf8(sql);
    sqlite3_stmt *raw = nullptr;
    if (sqlite3_prepare_v2(db_, text.c_str(), static_cast<int>(text.size()), &raw, nullptr) != SQLITE_OK) {
        failFromDatabase();
        return result;
    }
    Statement stmt(raw);
    if (!stmt) {
        succeed(0);
        return result;
    }
    bindAll(stmt.get(), params);
    const int columns = sqlite3_column_count(stmt.get());
    for (int i = 0; i < columns; ++i)
        result.columns.push_back(Lower(FromUtf8(sqlite3_column_name(stmt.get(), i))));
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        Row row;
        row.reserve(static_cast<size_t>(columns));
        for (int i = 0; i < columns; ++i)
            row.push_back(columnValue(stmt.get(), i));
        result.rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        failFromDatabase();
        result.rows.clear();
        return result;
    }
    succeed(static_cast<long>(result.rows.size()));
    return result;
}

bool Transaction::selectFirstRow(const String &sql, const std::vector<Value> &params, Row &row)
{
    ResultSet rs = Query(sql, params);
    if (SQLCode != 0)
        return false;
    if (rs.rows.empty()) {
        SQLCode = 100;
        SQLErrText.clear();
        return false;
    }
    row = std::move(rs.rows.front());
    SQLNRows = 1;
    return true;
}

TransactionScope::TransactionScope(Transaction &t, ScopeEnd atEnd) : t_(t), atEnd_(atEnd)
{
    ++t_.scopeDepth_;
    if (!t_.requireConnection()) {
        failure_ = t_.SQLErrText;
        return;
    }
    outermost_ = !t_.InTransaction();
    if (sqlite3_exec(t_.db_, outermost_ ? "BEGIN" : "SAVEPOINT scope", nullptr, nullptr, nullptr) != SQLITE_OK) {
        t_.failFromDatabase();
        failure_ = t_.SQLErrText;
        return;
    }
    open_ = true;
}

TransactionScope::~TransactionScope()
{
    if (open_) {
        // A failing statement may have rolled the whole transaction back
        // already: then there is nothing left to commit.
        if (atEnd_ == ScopeEnd::Commit && t_.InTransaction())
            commitOrTakeBack();
        else
            takeBack();
    }
    --t_.scopeDepth_;
}

bool TransactionScope::Commit()
{
    if (!open_ || !t_.db_) { // never begun, ended, or disconnected since
        t_.fail(-1, open_ ? String("Transaction not connected") : failure_);
        open_ = false;
        return false;
    }
    if (!commitOrTakeBack())
        return false;
    t_.succeed(0);
    return true;
}

// Commits what the scope holds or, when the database refuses, takes it all
// back. SQLCode changes only with a refusal.
bool TransactionScope::commitOrTakeBack()
{
    if (sqlite3_exec(t_.db_, outermost_ ? "COMMIT" : "RELEASE scope", nullptr, nullptr, nullptr) != SQLITE_OK) {
        t_.failFromDatabase();
        takeBack();
        return false;
    }
    open_ = false;
    failure_ = "Transaction already committed";
    return true;
}

// Takes back everything since the start, keeping SQLCode and SQLErrText; a
// refused commit may have rolled the transaction back already.
void TransactionScope::takeBack()
{
    open_ = false;
    failure_ = t_.SQLErrText;
    if (!t_.InTransaction())
        return;
    if (outermost_) {
        sqlite3_exec(t_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
    } else {
        sqlite3_exec(t_.db_, "ROLLBACK TO scope", nullptr, nullptr, nullptr);
        sqlite3_exec(t_.db_, "RELEASE scope", nullptr, nullptr, nullptr);
    }
}

} // namespace runtime
