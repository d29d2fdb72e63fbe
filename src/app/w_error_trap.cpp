#include "app/w_error_trap.h"

#include "app/d_system_error.h"
#include "app/globals.h"
#include "runtime/draw/units.h"
#include "runtime/file/textfile.h"
#include "runtime/mail/mail.h"
#include "runtime/print/printjob.h"
#include "runtime/ui/application.h"
#include "runtime/ui/clock.h"
#include "runtime/ui/environment.h"
#include "runtime/ui/messagebox.h"
#include "runtime/ui/systemerror.h"
#include "runtime/win32/username.h"

using namespace runtime;

runtime::GlobalWindow<class w_error_trap> w_error_trap;

namespace {

const String kStars = "        **********************************************";
const String kCrLf = "\r\n";

// Stands in for a transaction that did not come with the window.
const Transaction &noTransaction()
{
    static const Transaction none;
    return none;
}

} // namespace

String of_error_datetime(const String &as_datetime)
{
    const int li_hour = Integer(Mid(as_datetime, 12, 2));
    const int li_hour12 = li_hour % 12 == 0 ? 12 : li_hour % 12;
    return String(Integer(Mid(as_datetime, 1, 4))) + "年" + String(Integer(Mid(as_datetime, 6, 2))) + "月" +
           String(Integer(Mid(as_datetime, 9, 2))) + "日" + Space(5) + String(li_hour12) + ":" +
           Mid(as_datetime, 15, 2) + ":" + Mid(as_datetime, 18, 2) + (li_hour < 12 ? " am" : " pm");
}

w_error_trap::w_error_trap() : Window("w_error_trap")
{
    SetWindowType(WindowType::Response);
    SetTitle("错误信息");
    SetIcon("Error!");
    SetTitleBar(true);
    SetControlMenu(true);
    SetMinBox(false);
    SetMaxBox(false);
    SetResizable(false);
    Move(416, 260);
    Resize(2222, 1088);
    SetBackColor(78160032);

    const Font song{"宋体", 9, 400, kGB2312CharSet};

    cb_1.SetText("&E-Mail...");
    cb_1.Move(73, 860);
    cb_1.Resize(329, 88);
    cb_1.SetFont(song);
    cb_1.SetTabOrder(50);

    cb_print.SetText("打印(&P)");
    cb_print.Move(1733, 860);
    cb_print.Resize(379, 88);
    cb_print.SetFont(song);
    cb_print.SetTabOrder(40);
    cb_print.SetDefault(true);

    cb_continue.SetText("继续(&C)");
    cb_continue.Move(1307, 860);
    cb_continue.Resize(379, 88);
    cb_continue.SetFont(song);
    cb_continue.SetTabOrder(30);

    cb_exit.SetText("关闭(&Q)");
    cb_exit.Move(869, 860);
    cb_exit.Resize(379, 88);
    cb_exit.SetFont(song);
    cb_exit.SetTabOrder(20);

    dw_error.Move(41, 40);
    dw_error.Resize(2107, 764);
    dw_error->SetDataObject(d_system_error());
    dw_error->SetBorder(true);
    dw_error->SetVScrollBar(true);
    dw_error->SetHScrollBar(true);
    dw_error.SetTabOrder(10);

    gb_1.Move(41, 804);
    gb_1.Resize(2107, 176);
    gb_1.SetFont(song);
    gb_1.SetTextColor(Colors::WindowText);
    gb_1.SetBackColor(Colors::ButtonFace);
    gb_1.SetTabOrder(60);

    open = [this] { openScript(); };
    timer = [this] { tickScript(); };
    doubleclicked = [this](unsigned long, int, int) { dumpScript(); };

    cb_continue.clicked = [this] { Close(*this); };

    cb_exit.clicked = [this] {
        Timer(0);
        sqlca.Disconnect();
        // The program ends because a script failed.
        HaltClose(1);
    };

    cb_print.clicked = [this] {
        const long job_no = PrintOpen();
        if (job_no == -1) {
            MessageBox("错误", "打印失败, 请检查打印机是否设置正确。", Icon::Information);
            return;
        }
        PrintDataWindow(job_no, *dw_error);
        PrintClose(job_no);
        cb_continue.SetFocus();
    };

    cb_1.clicked = [this] { mailScript(); };

    dw_error.getfocus = [this] { Timer(idc_time); };
    dw_error.losefocus = [this] { Timer(0); };
    dw_error.rbuttondown = [this] { Timer(0); };
    dw_error.clicked = [this](int, int, long, const String &) {
        idc_time = idc_time == 0 ? idc_timetemp : 0;
        Timer(idc_time);
    };
    dw_error.scrollvertical = [this](long scrollpos) { il_dwhorizontalpost = scrollpos; };
}

void w_error_trap::openScript()
{
    c();
    idc_timetemp = idc_time;

    Transaction *const *ltr_parm = std::any_cast<Transaction *>(&message.PowerObjectParm);
    const bool lb_have = ltr_parm && *ltr_parm;
    const Transaction &ltr_sqlca = lb_have ? **ltr_parm : noTransaction();

    if (lb_have && ltr_sqlca.SQLCode == 0 && ltr_sqlca.SQLDBCode == 0 && error.Number == 0) {
        Close(*this);
        return;
    }

    const String ls_appname = kAppName;

    String ls_userid;
    GetUserName(ls_userid);

    switch (error.Number) {
    case 1004: error.Text += "  译文: 对象没有被提及 !"; break;
    case 1008: error.Text += "  译文: 数据窗口没有指定的行号或列号（列名）!"; break;
    case 1014: error.Text += "  译文: 数据窗口列的数据类型和 GetItem 类函数不匹配 !"; break;
    default: break;
    }

    String ls_sqltext_error = ltr_sqlca.SQLErrText;
    switch (ltr_sqlca.SQLDBCode) {
    case 1105: ls_sqltext_error += "  译文: 数据库日志满,请通知系统管理员清日志!"; break;
    case 2627: ls_sqltext_error += "  译文: 您新增的记录已存在，插入失败! 也许是网络冲突，请您稍后再做此项操作。"; break;
    case -932: ls_sqltext_error += "  译文: 请检查网络是否正常工作!"; break;
    case 10004: ls_sqltext_error += "  译文: 请检查数据库是否正常工作!"; break;
    case 999: ls_sqltext_error += "  译文: 请检查服务器是否正常工作!"; break;
    default: break;
    }

    fw_write2file(ltr_sqlca, ls_sqltext_error, ls_userid, ls_appname);

    dw_error->InsertRow(0);
    dw_error->SetItem(1, "errornum", String(error.Number));
    dw_error->SetItem(1, "message", error.Text);
    dw_error->SetItem(1, "where", error.WindowMenu);
    dw_error->SetItem(1, "object", error.Object);
    dw_error->SetItem(1, "event", error.ObjectEvent);
    dw_error->SetItem(1, "line", String(error.Line));
    dw_error->SetItem(1, "datetime_error", of_error_datetime(DateTimeNow()));
    dw_error->SetItem(1, "server_name_error", Upper(ltr_sqlca.ServerName));
    dw_error->SetItem(1, "database_error", Lower(ltr_sqlca.Database));
    dw_error->SetItem(1, "application_error", Upper(ls_appname));
    dw_error->SetItem(1, "sqlca_error", String(ltr_sqlca.SQLCode));
    dw_error->SetItem(1, "sqldbca_error", String(ltr_sqlca.SQLDBCode));
    dw_error->SetItem(1, "sqltext_error", ls_sqltext_error);
    dw_error->SetItem(1, "userid", ls_userid);
}

String w_error_trap::fw_geterrortext(const Transaction &as_sqlca, const String &as_sqltext_error,
                                     const String &as_userid, const String &as_appname)
{
    is_errortext = "       日期时间 : " + of_error_datetime(DateTimeNow()) + kCrLf +
                   "       错误代码 : " + String(error.Number) + kCrLf +
                   "       错误信息 : " + error.Text + kCrLf +
                   "SQL语句错误代码 : " + String(as_sqlca.SQLCode) + kCrLf +
                   " 数据库错误代码 : " + String(as_sqlca.SQLDBCode) + kCrLf +
                   " 数据库错误信息 : " + as_sqltext_error + kCrLf +
                   "      窗口/菜单 : " + error.WindowMenu + kCrLf +
                   "           对象 : " + error.Object + kCrLf +
                   "      事件/函数 : " + error.ObjectEvent + kCrLf +
                   "           行号 : " + String(error.Line) + kCrLf +
                   "     应用程序名 : " + Upper(as_appname) + kCrLf +
                   "       数据库名 : " + Lower(as_sqlca.Database) + kCrLf +
                   "       服务器名 : " + Upper(as_sqlca.ServerName) + kCrLf +
                   "         用户名 : " + Upper(as_userid) + kCrLf +
                   kCrLf + kStars + kCrLf + kCrLf;
    return is_errortext;
}

int w_error_trap::fw_write2file(const Transaction &as_sqlca, const String &as_sqltext_error,
                                const String &as_userid, const String &as_appname)
{
    const int li_file = FileOpenAppend(gs_path + "err_info.txt");
    FileWriteLine(li_file, fw_geterrortext(as_sqlca, as_sqltext_error, as_userid, as_appname));
    FileClose(li_file);
    return 1;
}

int w_error_trap::c()
{
    Environment lenv;
    if (GetEnvironment(lenv) == -1)
        return -1;
    const int li_screenheight = PixelsToUnitsY(lenv.ScreenHeight);
    const int li_screenwidth = PixelsToUnitsX(lenv.ScreenWidth);
    if (li_screenheight <= 0 || li_screenwidth <= 0)
        return -1;
    int li_x = 1, li_y = 1;
    if (Width() < li_screenwidth)
        li_x = static_cast<int>(li_screenwidth * 0.5 - Width() * 0.5);
    if (Height() < li_screenheight)
        li_y = static_cast<int>(li_screenheight * 0.5 - Height() * 0.5);
    Move(li_x, li_y);
    return 1;
}

void w_error_trap::tickScript()
{
    const long ll_max = Long(dw_error->Describe("DataWindow.VerticalScrollMaximum"));
    if (il_dwhorizontalpost > ll_max)
        il_dwhorizontalpost = 1;
    else
        il_dwhorizontalpost += 4;
    dw_error->Modify("DataWindow.VerticalScrollPosition='" + String(il_dwhorizontalpost) + "'");
}

void w_error_trap::mailScript()
{
    MailSession mses;
    MailMessage mmsg;
    MailReturnCode mreturn = mses.MailLogon();
    if (mreturn != MailReturnCode::Success) {
        MessageBox("邮件登录", "邮件登录失败!", Icon::Information);
        return;
    }
    mreturn = mses.MailAddress(mmsg);
    if (mreturn != MailReturnCode::Success) {
        MessageBox("邮件地址", "邮件地址出错!", Icon::Information);
        return;
    }
    mmsg.NoteText = is_errortext;
    mreturn = mses.MailSend(mmsg);
    if (mreturn != MailReturnCode::Success) {
        MessageBox("邮件发送", "邮件发送失败!", Icon::Information);
        return;
    }
    MessageBox("邮件发送", "邮件发送成功!", Icon::Information);
    mses.MailLogoff();
}

void w_error_trap::dumpScript()
{
    const int li_file = FileOpenAppend(gs_path + "app_ini.txt");
    FileWriteLine(li_file, " \t ");
    FileWriteLine(li_file, kStars + "\t");
    FileWriteLine(li_file, " \t ");
    FileWriteLine(li_file, "       sqlca.DBMS : " + sqlca.DBMS + "\t");
    FileWriteLine(li_file, "    sqlca.Database: " + sqlca.Database + "\t");
    FileWriteLine(li_file, "      sqlca.LogID : " + sqlca.LogID + "\t");
    FileWriteLine(li_file, "    sqlca.LogPass : " + sqlca.LogPass + "\t");
    FileWriteLine(li_file, " sqlca.ServerName : " + sqlca.ServerName + "\t");
    FileWriteLine(li_file, "     sqlca.UserID : " + sqlca.UserID + "\t");
    FileWriteLine(li_file, "     sqlca.DBPass : " + sqlca.DBPass + "\t");
    FileWriteLine(li_file, "       sqlca.Lock : " + sqlca.Lock + "\t");
    FileWriteLine(li_file, "     sqlca.DbParm : " + sqlca.DBParm + "\t");
    FileWriteLine(li_file, " \t ");
    FileWriteLine(li_file, kStars + "\t");
    FileWriteLine(li_file, " \t ");
    FileClose(li_file);
}
