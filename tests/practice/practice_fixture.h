// What the practice and review tests share: the examination tests' database
// and seams, the set chooser, presses of buttons and keys, and reads of the
// current paper and the wrong-answer book.
#pragma once

#include "exam/exam_fixture.h"
#include "paper/question_window.h"
#include "practice/w_tc_select11.h"
#include "practice/w_tclx.h"
#include "review/w_error.h"
#include "review/w_error_select.h"

class PracticeTest : public ExamTest {
protected:
    class w_tc_select11 &openChooser()
    {
        runtime::Open(::w_tc_select11);
        return *::w_tc_select11;
    }

    // The chooser's button with the caption, the review button right of it
    // when `review` is set.
    runtime::CommandButton &chooserButton(const char *caption, bool review = false)
    {
        auto &c = *::w_tc_select11;
        for (size_t i = 0; i < c.sets.size(); ++i)
            if (c.sets[i]->Text() == caption)
                return review ? *c.reviews[i] : *c.sets[i];
        throw std::runtime_error("no such set");
    }

    static void click(runtime::Control &c) { QTest::mouseClick(c.widget(), Qt::LeftButton); }

    // The practice window on set 试卷3 ("practice"), or the review window over
    // the first question of each type ("review"); null if it did not open.
    QuestionWindow *openQuestionWindow(const std::string &which)
    {
        if (which == "practice") {
            openChooser();
            click(chooserButton("试卷3"));
            return ::w_tclx.IsValid() ? static_cast<QuestionWindow *>(&*::w_tclx) : nullptr;
        }
        sqlca.ExecuteImmediate(
            "insert into t_error (user, mno) select 'kelvadorint', min(mno) from t_tk005 group by tx");
        runtime::Open(::w_error_select);
        click(::w_error_select->cb_1);
        return ::w_error.IsValid() ? static_cast<QuestionWindow *>(&*::w_error) : nullptr;
    }

    static void press(QuestionWindow &w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(w.cb_jj.widget(), key, modifiers);
    }

    // The stored answer of row `row` of the window's set.
    static runtime::String stored(QuestionWindow &w, long row)
    {
        runtime::String s;
        sqlca.SelectInto("select zdanswer from t_kzmn where mno = ?", {w.dw_1->GetItemNumber(row, "mno")}, s);
        return s;
    }

    static long mnoOf(QuestionWindow &w, long row) { return static_cast<long>(w.dw_1->GetItemNumber(row, "mno")); }

    static long rowOfType(QuestionWindow &w, const char *tx)
    {
        for (long r = 1; r <= w.dw_1->RowCount(); ++r)
            if (w.dw_1->GetItemString(r, "tx") == tx)
                return r;
        return 0;
    }

    // A wrong option digit for a one-digit right answer.
    static runtime::String wrongDigit(QuestionWindow &w, long row)
    {
        return w.dw_1->GetItemString(row, "answer") == "1" ? "2" : "1";
    }

    // The book's rows as "mno/flag/zdanswer", oldest first.
    static std::vector<std::string> book()
    {
        std::vector<std::string> rows;
        for (const auto &r : sqlca.Query("select mno, flag, zdanswer from t_error order by id").rows)
            rows.push_back(runtime::ToUtf8(r[0].toString() + "/" + r[1].toString() + "/" + r[2].toString()));
        return rows;
    }

    static long count(const char *sql)
    {
        long n = 0;
        sqlca.SelectInto(sql, {}, n);
        return n;
    }
};
