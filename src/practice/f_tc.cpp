// Building a practice set, or one set's review, into the current paper.
#include "practice/w_tc_select11.h"

#include "app/globals.h"
#include "paper/current_paper.h"
#include "practice/w_tclx.h"
#include "review/w_error.h"
#include "runtime/ui/messagebox.h"

using namespace runtime;

void w_tc_select11::f_tc(const String &as_tc_name, int ai_flag)
{
    ClosePaperWindows();
    sqlca.ExecuteImmediate("delete from t_kzmn ");
    // Wrong answers of earlier runs of the set leave its review.
    sqlca.Execute("update t_error set flag =0 where flag =?", {static_cast<long>(ai_flag)});
    sqlca.Commit();

    sqlca.Execute("insert into t_kzmn(mno,tx,answer,flag,nr,readme,xh,choice1,choice2,choice3,choice4,pic,txt,"
                  "analyse,picflag,tieba)  select a.mno,b.tx,b.answer,a.flag,a.nr,a.readme,a.xh,b.choice1,"
                  "b.choice2,b.choice3,b.choice4,b.pic,b.txt,b.analyse,b.picflag,b.tieba from t_tc_list a,"
                  "t_tk005 b where a.mno=b.mno and a.tcname=? order by a.mno limit 100",
                  {as_tc_name});
    if (PaperBuildFailed())
        return;
    OpenWithParm(w_tclx, as_tc_name + "," + String(ai_flag));
}

void w_tc_select11::f_error(int al_flag)
{
    ClosePaperWindows();
    sqlca.ExecuteImmediate("delete from t_kzmn ");
    sqlca.Commit();
    // One question once, however many rows of the set name it.
    sqlca.Execute("insert into t_kzmn(mno,tx,answer,choice1,choice2,choice3,choice4,pic,txt,analyse,picflag)  "
                  "select distinct a.mno,b.tx,b.answer,b.choice1,b.choice2,b.choice3,b.choice4,b.pic,b.txt,"
                  "b.analyse,b.picflag from t_error a,t_tk005 b where a.mno=b.mno and a.flag=? order by a.mno",
                  {static_cast<long>(al_flag)});
    if (PaperBuildFailed())
        return;
    sqlca.Commit();

    long ll_countrow = 0;
    sqlca.SelectInto("select count ( *) from t_kzmn ", {}, ll_countrow);
    if (ll_countrow > 0)
        Open(w_error);
    else
        MessageBox("提示", "没有要回顾的记录在里面!");
}
