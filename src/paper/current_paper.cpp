#include "paper/current_paper.h"

#include "app/globals.h"
#include "paper/paper_window.h"
#include "runtime/ui/halt.h"
#include "runtime/ui/messagebox.h"

#include <vector>

using namespace runtime;

void ClosePaperWindows()
{
    // Closing a window changes the list of open windows: the windows to
    // close are taken first.
    std::vector<PaperWindow *> paperWindows;
    for (Window *window : OpenWindows())
        if (auto *paperWindow = dynamic_cast<PaperWindow *>(window))
            paperWindows.push_back(paperWindow);
    for (PaperWindow *paperWindow : paperWindows)
        Close(*paperWindow);
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
