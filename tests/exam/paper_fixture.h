// A paper in t_kzmn for the windows that judge and score it: the questions
// of the test bank, or plain true/false questions added by number, with the
// learner's answers set per test.
#pragma once

#include "app/expression_functions.h"
#include "app/globals.h"
#include "test_database.h"
#include "test_windows.h"

#include <gtest/gtest.h>

class PaperTest : public testing::Test {
protected:
    void SetUp() override
    {
        db.connectSqlca();
        RegisterExpressionFunctions();
    }
    void TearDown() override
    {
        CloseAllWindows();
        sqlca.Disconnect();
    }

    // Every question of the bank, unanswered.
    static void CopyBank()
    {
        sqlca.Execute("insert into t_kzmn (mno, tx, answer, choice1, choice2, choice3, choice4, txt, analyse, pic, "
                      "picflag, errorflag, tieba) select mno, tx, answer, choice1, choice2, choice3, choice4, txt, "
                      "analyse, pic, picflag, '0', tieba from t_tk005");
        ASSERT_EQ(sqlca.SQLCode, 0) << runtime::ToUtf8(sqlca.SQLErrText);
    }
    // count true/false questions numbered from first, right answer "1",
    // answered as given ("1" right, "2" wrong, "0" unanswered).
    static void AddTrueFalse(long first, long count, const char *zdanswer)
    {
        if (count < 1)
            return;
        sqlca.Execute("with recursive n(i) as (select ? union all select i + 1 from n where i < ?) "
                      "insert into t_kzmn (mno, tx, answer, zdanswer, txt, choice1, choice2, pic, errorflag) "
                      "select i, '2', '1', ?, '', '', '', '', '0' from n",
                      {first, first + count - 1, runtime::String(zdanswer)});
        ASSERT_EQ(sqlca.SQLCode, 0) << runtime::ToUtf8(sqlca.SQLErrText);
    }
    static void Answer(long mno, const char *zdanswer)
    {
        sqlca.Execute("update t_kzmn set zdanswer = ? where mno = ?", {runtime::String(zdanswer), mno});
    }
    static long Count(const char *sql)
    {
        long n = -1;
        sqlca.SelectInto(sql, {}, n);
        return n;
    }

    TempDatabase db;
};
