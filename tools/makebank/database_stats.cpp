// The figures of a built database.
#include "bank.h"

#include "app/of_decrypt.h"
#include "exam/paper_building.h"
#include "runtime/db/transaction.h"
#include "runtime/file/native_path.h"

#include <filesystem>

namespace bank {

std::vector<std::string> DatabaseStats(const std::string &file)
{
    // The connect string holds code-page-936 text, which has no code for
    // some characters of folder names ("mk ö"): the folder's native name is
    // remembered, as the trainer remembers its own, so that the connection
    // opens the file by it.
    const std::filesystem::path path = std::filesystem::absolute(file);
    runtime::RememberNativeFolder(path.parent_path().string() + "/");
    runtime::Transaction db;
    db.DBParm = "ConnectString='PWD=" + of_decrypt_reg(kStoredPassword) + ";dbq=" + runtime::FromUtf8(path.string()) +
                "'";
    db.Connect();
    if (db.SQLCode != 0)
        throw std::runtime_error(file + ": " + runtime::ToUtf8(db.SQLErrText));

    std::vector<std::string> lines;
    auto figure = [&](const std::string &name, const char *sql) {
        long n = 0;
        db.SelectInto(sql, {}, n);
        if (db.SQLCode != 0)
            throw std::runtime_error(name + ": " + runtime::ToUtf8(db.SQLErrText));
        lines.push_back(name + " " + std::to_string(n));
    };
    auto grouped = [&](const std::string &prefix, const char *sql) {
        const runtime::ResultSet rs = db.Query(sql);
        for (const auto &row : rs.rows)
            lines.push_back(prefix + " " + runtime::ToUtf8(row[0].toString()) + " " + row[1].toString());
    };
    figure("questions", "select count(*) from t_tk005");
    figure("true/false", "select count(*) from t_tk005 where tx='2'");
    figure("single", "select count(*) from t_tk005 where tx='1'");
    figure("multiple", "select count(*) from t_tk005 where tx='0'");
    figure("pictures", "select count(*) from t_tk005 where trim(ifnull(pic,''))<>'' and picflag in ('0','1')");
    // A rule's counts are whole numbers when they are used; text that is not
    // a number, and a count not above 0, draws nothing.
    std::map<std::string, long> groups;
    for (const auto &row : db.Query("select cx, tx1_sl, tx2_sl, tx3_sl from t_kznr order by cx").rows) {
        long &sum = groups[runtime::ToUtf8(row[0].toString())];
        for (size_t i = 1; i <= 3; ++i)
            sum += std::max(0L, runtime::Long(row[i].toString()));
    }
    for (const auto &[group, sum] : groups)
        lines.push_back("group " + group + " " + std::to_string(sum));
    // The size of the paper that each class of the list draws by its group.
    for (const auto &row : db.Query("select name from t_cx").rows) {
        const runtime::String name = row[0].toString();
        const auto group = groups.find(runtime::ToUtf8(RuleGroupOf(name)));
        lines.push_back("class " + runtime::ToUtf8(name) + " " + std::to_string(group == groups.end() ? 0 : group->second));
    }
    grouped("set", "select tcname, count(*) from t_tc_list group by tcname order by min(rowid)");
    figure("t_kzmn", "select count(*) from t_kzmn");
    figure("t_kzmn answered", "select count(*) from t_kzmn where zdanswer<>'0'");
    figure("t_error", "select count(*) from t_error");
    figure("t_cj", "select count(*) from t_cj");
    db.Disconnect();
    return lines;
}

} // namespace bank
