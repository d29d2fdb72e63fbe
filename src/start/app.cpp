#include "start/app.h"

#include "app/expression_functions.h"
#include "app/f_error_trap.h"
#include "app/globals.h"
#include "app/of_decrypt.h"
#include "app/maker.h"
#include "frame/w_main.h"
#include "runtime/file/instance_lock.h"
#include "runtime/file/native_path.h"
#include "runtime/ui/application.h"
#include "runtime/ui/halt.h"
#include "runtime/ui/messagebox.h"
#include "runtime/ui/systemerror.h"
#include "runtime/win32/module.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include <iterator>

using namespace runtime;

String of_program_folder(const String &as_exe)
{
    // The executable's own folder, whatever its name: "app.exe" is cut from
    // the end of the path, never from a folder name that merely contains it.
    // The second byte of a double-byte character can look like "\\".
    size_t ll_end = 0;
    for (size_t i = 0; i < as_exe.size(); ++i) {
        const auto c = static_cast<unsigned char>(as_exe[i]);
        if (c >= 0x81 && i + 1 < as_exe.size())
            ++i;
        else if (c == '/' || c == '\\')
            ll_end = i + 1;
    }
    return String(as_exe.substr(0, ll_end));
}

namespace {

// Claims the database file for this trainer alone: a second trainer on the
// same file would build its paper over the first one's and lose its answers.
// Returns why the file cannot be claimed, or "" (a missing file is left for
// the connection to report).
String of_claim_database(const String &as_file)
{
    const std::string native = NativePath(as_file);
    std::string error;
    if (!QFileInfo::exists(QString::fromStdString(native)))
        return "";
    switch (HoldFileForThisProcess(native, error)) {
    case FileHold::Held: return "";
    case FileHold::InUse: return "另一个练习系统正在使用数据库 " + as_file + "，请先关闭它。";
    case FileHold::Failed: break;
    }
    return as_file + ": " + FromUtf8(error);
}

// Whether the connected database is one the trainer can work on: it holds
// the trainer's tables, and it can be written (a change made and taken back,
// so that a read-only file or folder is found now, not at the first answer).
// Returns why not, or "".
String of_check_database()
{
    long ll_tables = 0;
    static const char *const tables[] = {"t_cj",  "t_cx",  "t_error", "t_jfl",      "t_kzmn",
                                         "t_kznr", "t_mno", "t_system", "t_tc_list", "t_tk005"};
    String ls_names;
    for (const char *table : tables)
        ls_names += String(ls_names.empty() ? "'" : ", '") + table + "'";
    sqlca.SelectInto("select count(*) from sqlite_master where type = 'table' and name in (" + ls_names + ")", {},
                     ll_tables);
    if (sqlca.SQLCode != 0)
        return sqlca.SQLErrText;
    if (ll_tables != static_cast<long>(std::size(tables)))
        return "数据库文件中没有本系统的数据表。";
    sqlca.ExecuteImmediate("savepoint write_check");
    sqlca.ExecuteImmediate("create table write_check (x)");
    const long ll_code = sqlca.SQLCode;
    const String ls_error = sqlca.SQLErrText;
    sqlca.ExecuteImmediate("rollback to write_check");
    sqlca.ExecuteImmediate("release write_check");
    if (ll_code != 0)
        return "数据库不能写入：" + ls_error;
    return "";
}

} // namespace

app &theApp()
{
    static app instance;
    return instance;
}

bool StartTrainer()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pic/cat.gif")));
    app &application = theApp();
    application.create();
    return application.open();
}

void app::create()
{
    AppName = kAppName;
    message = {};
    SetSystemErrorHandler([this] { systemerror(); });
    SetApplicationCloseHandler([this] { close(); });
    RegisterExpressionFunctions();
}

bool app::open(const String &)
{
    gs_path = of_program_folder(ModuleFileName());

    const String ls_password = of_decrypt_reg(kStoredPassword);

    sqlca.DBMS = "ODBC";
    sqlca.AutoCommit = true;
    sqlca.DBParm = "ConnectString='DRIVER=Driver do Microsoft Access (*.mdb);PWD=" + ls_password +
                   ";dbq=" + gs_path + "\\vqb005.dat'";
    String ls_unusable = of_claim_database(ParseConnectString(sqlca.DBParm).file);
    if (ls_unusable.empty()) {
        sqlca.Connect();
        if (sqlca.SQLCode != 0)
            ls_unusable = sqlca.SQLErrText;
        else
            ls_unusable = of_check_database();
    }
    if (!ls_unusable.empty()) {
        MessageBox("警告", "连接数据库出错！\r\n" + ls_unusable, Icon::StopSign);
        sqlca.Disconnect();
        Halt(1);
        return false;
    }

    str_sys.systemname = "维拓练习系统";
    str_sys.ver = String("2014.09.01    ") + kMakerHost;
    str_sys.dbver = "维拓网";
    str_sys.userid = "quenlor";
    str_sys.username = "维拓网";
    str_sys.usercorp = kMakerContact;

    String ls_frist;
    sqlca.SelectInto("select frist from t_system where id =1 ", {}, ls_frist);
    if (ls_frist == "1") {
        sqlca.ExecuteImmediate("delete from t_error ");
        sqlca.Commit();
    }

    Open(w_main);
    return true;
}

void app::systemerror()
{
    f_error_trap(sqlca);
}

void app::close()
{
    sqlca.Disconnect();
    if (sqlca.SQLCode != 0)
        MessageBox("Cannot Disconnect from Database", sqlca.SQLErrText, Icon::None);
}
