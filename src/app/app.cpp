#include "app/app.h"

#include "app/expression_functions.h"
#include "app/f_error_trap.h"
#include "app/globals.h"
#include "app/of_decrypt.h"
#include "app/maker.h"
#include "frame/w_main.h"
#include "runtime/ui/application.h"
#include "runtime/ui/halt.h"
#include "runtime/ui/messagebox.h"
#include "runtime/ui/systemerror.h"
#include "runtime/win32/module.h"

using namespace runtime;

String of_program_folder(const String &as_exe)
{
    const long ll_pos = Pos(Upper(as_exe), "APP.EXE");
    if (ll_pos > 0)
        return Left(as_exe, ll_pos - 1);
    const size_t ll_slash = as_exe.find_last_of("/\\");
    return ll_slash == std::string::npos ? String() : String(as_exe.substr(0, ll_slash + 1));
}

app &theApp()
{
    static app instance;
    return instance;
}

void app::create()
{
    AppName = "app";
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
    sqlca.Connect();
    if (sqlca.SQLCode != 0) {
        MessageBox("警告", "连接数据库出错！\r\n" + sqlca.SQLErrText, Icon::StopSign);
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

void app::destroy()
{
}
