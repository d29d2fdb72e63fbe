// What the examination tests share: the real bank in a temporary database,
// the manual clock, message boxes and Halt answered without a dialog, run-
// time errors noted, and ways into the examination window.
#pragma once

#include "app/globals.h"
#include "dataobjects/dataobjects.h"
#include "exam/paper_building.h"
#include "exam/w_login_2012.h"
#include "exam/w_mnkz_2012.h"
#include "runtime/ui/clock.h"
#include "runtime/ui/halt.h"
#include "runtime/ui/messagebox.h"
#include "test_database.h"
#include "test_windows.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

// The project's own bank, read once.
inline const bank::Bank &RealBank()
{
    static const bank::Bank b = bank::ReadBank(SOURCE_DIR "/data", SOURCE_DIR "/resources/images");
    return b;
}

class ExamTest : public testing::Test {
protected:
    explicit ExamTest(const bank::Bank &b = RealBank()) : db(b) {}

    void SetUp() override
    {
        db.connectSqlca();
        runtime::SetClock(&clock);
        runtime::SetMessageBoxHandler([this](const runtime::MessageBoxRequest &r) {
            boxes.push_back(r);
            return 1;
        });
        runtime::SetHaltHandler([this](int status) { halts.push_back(status); });
        runtime::SetSystemErrorHandler([this] { errors.push_back(runtime::error); });
    }

    void TearDown() override
    {
        CloseAllWindows();
        runtime::SetClock(nullptr);
        runtime::SetMessageBoxHandler(nullptr);
        runtime::SetHaltHandler(nullptr);
        runtime::SetSystemErrorHandler(nullptr);
        sqlca.Disconnect();
        EXPECT_TRUE(errors.empty()) << "run-time error: " << errors.front().Text;
    }

    // Builds a paper of the group's rules the way "确定" does.
    void buildPaper(const runtime::String &group)
    {
        runtime::DataStore rules(d_kznr_new());
        rules.SetTransObject(sqlca);
        BuildPaper(sqlca, rules, rules.GetSQLSelect(), group);
        ASSERT_EQ(sqlca.SQLCode, 0) << runtime::ToUtf8(sqlca.SQLErrText);
    }

    // Opens the examination over the paper in t_kzmn.
    class w_mnkz_2012 &openExam()
    {
        runtime::Open(::w_mnkz_2012);
        return *::w_mnkz_2012;
    }

    // Opens the class window, picks the item of the class (by its code) and
    // presses "确定" while the window waits.
    void chooseClass(const char *code)
    {
        WhenOpen(::w_login_2012, [code] {
            auto *list = static_cast<QComboBox *>(::w_login_2012->ddlb_1.widget());
            list->setCurrentIndex(list->findText(QString(code) + "--", Qt::MatchStartsWith));
            QTest::mouseClick(::w_login_2012->cb_1.widget(), Qt::LeftButton);
            // Where the program would have ended, the window is still open.
            if (::w_login_2012.IsValid())
                runtime::Close(*::w_login_2012);
        });
        runtime::Open(::w_login_2012);
    }

    // The paper's rows in the order the examination shows them.
    static std::vector<runtime::Row> paper(const char *columns = "mno, tx, answer, zdanswer, errorflag")
    {
        return sqlca.Query(runtime::String("select ") + columns + " from t_kzmn order by tx desc, mno").rows;
    }

    static long errorRows(long mno)
    {
        long n = 0;
        sqlca.SelectInto("select count(*) from t_error where mno = ?", {mno}, n);
        return n;
    }

    // The first row of the examination's paper of a type, 0 when none.
    static long firstRowOfType(class w_mnkz_2012 &w, const char *tx)
    {
        for (long r = 1; r <= w.dw_2->RowCount(); ++r)
            if (w.dw_2->GetItemString(r, "tx") == tx)
                return r;
        return 0;
    }

    static runtime::String cell(class w_mnkz_2012 &w, long n, const char *property)
    {
        return w.dw_1->Describe("t_" + runtime::String(n) + "." + property);
    }

    TempDatabase db;
    runtime::ManualClock clock;
    std::vector<runtime::MessageBoxRequest> boxes;
    std::vector<int> halts;
    std::vector<runtime::ErrorObject> errors;
};
