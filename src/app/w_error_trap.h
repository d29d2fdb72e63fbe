// The system-error report: the last run-time error and the transaction's last
// database error, appended to err_info.txt in the program folder and shown in a scrolling data
// window, with continue, exit, print and mail; a double-click on the window
// dumps the connection settings to app_ini.txt.
#pragma once

#include "runtime/db/transaction.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/ui/datawindowcontrol.h"
#include "runtime/ui/groupbox.h"
#include "runtime/ui/window.h"

class w_error_trap : public runtime::Window {
public:
    w_error_trap();

    runtime::CommandButton cb_1{*this, "cb_1"};
    runtime::CommandButton cb_print{*this, "cb_print"};
    runtime::CommandButton cb_continue{*this, "cb_continue"};
    runtime::CommandButton cb_exit{*this, "cb_exit"};
    runtime::DataWindowControl dw_error{*this, "dw_error"};
    runtime::GroupBox gb_1{*this, "gb_1"};

    runtime::String is_errortext;     // the report text; the body of the mail
    double idc_time = 0.01;           // seconds between scroll steps, 0 while paused
    double idc_timetemp = 0;          // the interval a click resumes with
    long il_dwhorizontalpost = 0;     // the report's vertical scroll position

    int fw_write2file(const runtime::Transaction &as_sqlca, const runtime::String &as_sqltext_error,
                      const runtime::String &as_userid, const runtime::String &as_appname);
    runtime::String fw_geterrortext(const runtime::Transaction &as_sqlca, const runtime::String &as_sqltext_error,
                                    const runtime::String &as_userid, const runtime::String &as_appname);
    // Centres the window on the screen: 1, or -1 when it stays where it is.
    int c();

private:
    void openScript();
    void mailScript();
    void dumpScript();
    void tickScript();
};

extern runtime::GlobalWindow<w_error_trap> w_error_trap;

// The report's date and time, from "2014-09-01 15:07:09": "2014年9月1日     3:07:09 pm".
runtime::String of_error_datetime(const runtime::String &as_datetime);
