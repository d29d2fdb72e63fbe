#include "exam/current_paper.h"

#include "app/globals.h"
#include "exam/w_mnkz_2012.h"
#include "practice/w_tclx.h"
#include "review/w_error.h"
#include "runtime/ui/halt.h"
#include "runtime/ui/messagebox.h"

using namespace runtime;

void ClosePaperWindows()
{
    Close(w_mnkz_2012);
    Close(w_tclx);
    Close(w_error);
}

bool StoreAnswer(DataStore &dw, long row, const String &answer, const std::function<bool()> &alongWith)
{
    const Value before = dw.GetItem(row, "zdanswer");
    dw.SetItem(row, "zdanswer", answer);
    bool stored = false;
    {
        TransactionScope answer(sqlca, ScopeEnd::TakeBack);
        // The view's statuses stay until the commit: taken back, the writes
        // are still pending and go out with the next answer.
        stored = dw.Update(true, false) == 1 && (!alongWith || alongWith()) && answer.Commit();
    }
    if (stored) {
        dw.ResetUpdate();
        return true;
    }
    dw.SetItem(row, "zdanswer", before);
    ReportRefusedWrite();
    return false;
}

void ReportRefusedWrite()
{
    MessageBox("警告", "数据库更新出错！\r\n" + sqlca.SQLErrText, Icon::StopSign);
}

bool EnterInBook(const String &insert, const std::vector<Value> &values)
{
    sqlca.Execute(insert, values);
    return sqlca.SQLCode == 0;
}

bool PaperBuildFailed()
{
    if (sqlca.SQLCode == 0)
        return false;
    MessageBox("警告", "生成题库出错！\r\n" + sqlca.SQLErrText, Icon::StopSign);
    Halt(1);
    return true;
}
