// Writing a bank into a new enciphered database file.
#include "bank.h"
#include "schema.h"

#include "app/of_decrypt.h"
#include "runtime/db/transaction.h"

#include <sqlcipher/sqlite3.h>

#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace bank {

namespace {

using Db = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

void check(sqlite3 *db, int rc, const char *what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

// One prepared insert, bound per row with texts (nullptr for null) or whole numbers.
class Insert {
public:
    Insert(sqlite3 *db, const char *sql) : db_(db)
    {
        check(db, sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr), sql);
    }
    ~Insert() { sqlite3_finalize(stmt_); }

    Insert &text(const std::string &s)
    {
        sqlite3_bind_text(stmt_, ++index_, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Insert &number(long n)
    {
        sqlite3_bind_int64(stmt_, ++index_, n);
        return *this;
    }
    Insert &null()
    {
        sqlite3_bind_null(stmt_, ++index_);
        return *this;
    }
    void run()
    {
        check(db_, sqlite3_step(stmt_), "insert");
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
        index_ = 0;
    }

private:
    sqlite3 *db_;
    sqlite3_stmt *stmt_ = nullptr;
    int index_ = 0;
};

// The stored (enciphered) form of a UTF-8 text.
std::string encipher(const std::string &utf8) { return runtime::ToUtf8(of_encrypt(runtime::FromUtf8(utf8))); }

} // namespace

void WriteDatabase(const Bank &bank, const std::string &file)
{
    // Written under a temporary name and renamed when complete, so that a
    // failed build never leaves a half-written database behind.
    const std::string partial = file + ".partial";
    fs::remove(partial);
    std::string error;
    sqlite3 *raw = runtime::OpenDatabase(partial, of_decrypt_reg(kStoredPassword), true, error);
    if (!raw)
        throw std::runtime_error(partial + ": " + error);
    Db db(raw, sqlite3_close);
    sqlite3 *d = db.get();
    check(d, sqlite3_exec(d, kSchema, nullptr, nullptr, nullptr), "schema");
    check(d, sqlite3_exec(d, "BEGIN", nullptr, nullptr, nullptr), "begin");
    {
        Insert q(d, "insert into t_tk005 (mno,tx,answer,choice1,choice2,choice3,choice4,txt,analyse,pic,picflag,tieba,fl,fl1) "
                    "values (?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        for (const auto &x : bank.questions) {
            q.number(x.mno).text(x.tx).text(x.answer);
            for (const auto &c : x.choices)
                c.empty() ? q.null() : q.text(encipher(c));
            q.text(encipher(x.text)).text(encipher(x.why)).text(x.pic).text(x.pic.empty() ? "0" : "1").text(x.thread);
            q.number(x.fl).number(x.fl1).run();
        }
        Insert c(d, "insert into t_jfl (fl,xh,cx) values (?,?,?)");
        for (const auto &x : bank.chapters)
            c.number(x.fl).number(x.xh).text(x.cx).run();
        Insert v(d, "insert into t_cx (name,readme) values (?,?)");
        for (const auto &x : bank.classes)
            v.text(x.name).text(x.readme).run();
        Insert r(d, "insert into t_kznr (id,fl,jfl,tx1_sl,tx2_sl,cx,tx3_sl) values (?,?,?,?,?,?,?)");
        long id = 0;
        for (const auto &x : bank.rules)
            r.number(++id).number(x.fl).number(x.jfl).text(x.single).text(x.tf).text(x.group).text(x.multiple).run();
        Insert s(d, "insert into t_tc_list (tcname,mno,xh) values (?,?,?)");
        for (const auto &set : bank.sets)
            for (const auto &m : set.members)
                s.text(set.name).number(m.mno).number(m.xh).run();
        Insert y(d, "insert into t_system (id,frist,cx,pathname) values (1,?,?,?)");
        auto setting = [&](const char *key, const char *fallback) {
            auto it = bank.system.find(key);
            return it == bank.system.end() ? std::string(fallback) : it->second;
        };
        y.text(setting("frist", "2")).text(setting("cx", "")).text(setting("pathname", "")).run();
    }
    check(d, sqlite3_exec(d, "COMMIT", nullptr, nullptr, nullptr), "commit");
    db.reset();
    fs::rename(partial, file);
}

} // namespace bank
