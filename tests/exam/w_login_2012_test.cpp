// The vehicle-class window: from the frame's menu to a drawn paper.
#include "exam_fixture.h"

#include "frame/w_main.h"
#include "replaced.h"
#include "runtime/ui/menu.h"

#include <set>

using namespace runtime;

namespace {

class ClassChoice : public ExamTest {};

class ClassChoiceSmallBank : public ExamTest {
protected:
    ClassChoiceSmallBank() : ExamTest(TestBank()) {}
};

std::set<long> paperNumbers()
{
    std::set<long> mnos;
    for (const Row &r : sqlca.Query("select mno from t_kzmn").rows)
        mnos.insert(r[0].toLong());
    return mnos;
}

TEST_F(ClassChoice, FromTheFrameC3DrawsOneHundredQuestionsByTheRulesOfC1)
{
    FakeNetwork offline;
    Open(::w_main);
    MenuItem *item = nullptr;
    for (MenuItem *top : ::w_main->MenuID()->Item())
        for (MenuItem *sub : top->Item())
            if (sub->Text() == "模拟考试")
                item = sub;
    ASSERT_NE(item, nullptr);

    WhenOpen(::w_login_2012, [] {
        auto *list = static_cast<QComboBox *>(::w_login_2012->ddlb_1.widget());
        list->setCurrentIndex(list->findText("C3--", Qt::MatchStartsWith));
        QTest::mouseClick(::w_login_2012->cb_1.widget(), Qt::LeftButton);
    });
    item->clicked.Trigger();

    EXPECT_FALSE(::w_login_2012.IsValid());
    ASSERT_TRUE(::w_mnkz_2012.IsValid());
    EXPECT_EQ(gs_cx, "C3");
    EXPECT_EQ(::w_mnkz_2012->st_8.Text(), "C3");

    // Each rule of group C1 gave its count of each type.
    const auto rules = sqlca.Query("select fl, jfl, tx1_sl, tx2_sl, tx3_sl from t_kznr where cx='C1'").rows;
    ASSERT_FALSE(rules.empty());
    for (const Row &rule : rules) {
        const char *types[] = {"1", "2", "0"};
        for (size_t k = 0; k < 3; ++k) {
            long n = 0;
            sqlca.SelectInto("select count(*) from t_kzmn k, t_tk005 t where t.mno = k.mno and t.fl = ? and "
                             "t.fl1 = ? and t.tx = ?",
                             {rule[0], rule[1], types[k]}, n);
            EXPECT_EQ(n, std::max(0L, Long(rule[2 + k].toString()))) << rule[0].toLong() << "." << rule[1].toLong();
        }
    }

    // Shown true/false first, then single, then multiple choice, each by mno.
    auto &w = *::w_mnkz_2012;
    const auto rows = paper("mno, tx");
    ASSERT_EQ(rows.size(), 100u);
    ASSERT_EQ(w.dw_2->RowCount(), 100);
    for (long r = 1; r <= 100; ++r) {
        EXPECT_EQ(w.dw_2->GetItemNumber(r, "mno"), rows[static_cast<size_t>(r - 1)][0].toLong());
        if (r > 1) {
            const Row &a = rows[static_cast<size_t>(r - 2)], &b = rows[static_cast<size_t>(r - 1)];
            const int rank[] = {2, 1, 0}; // tx "0" last
            EXPECT_TRUE(rank[Long(a[1].toString())] < rank[Long(b[1].toString())] ||
                        (a[1] == b[1] && a[0].toLong() < b[0].toLong()));
        }
    }

    // The next paper is another draw.
    const auto first = paperNumbers();
    Close(::w_mnkz_2012);
    chooseClass("C3");
    EXPECT_EQ(paperNumbers().size(), 100u);
    EXPECT_NE(paperNumbers(), first);
}

TEST_F(ClassChoice, ListIsSortedWithTheSixthItemChosenAndTheCloseBoxChangesNothing)
{
    buildPaper("C1");
    const auto before = paperNumbers();
    Replaced chosen(gs_cx, "B1");
    std::vector<String> items;
    String shown;
    WhenOpen(::w_login_2012, [&] {
        auto *list = static_cast<QComboBox *>(::w_login_2012->ddlb_1.widget());
        for (int i = 0; i < list->count(); ++i)
        {
            const String item = FromQString(list->itemText(i));
            items.push_back(Left(item, Pos(item, "-") - 1));
        }
        shown = ::w_login_2012->ddlb_1.Text();
        Close(*::w_login_2012);
    });
    sqlca.ExecuteImmediate("delete from t_cx");
    for (const char *c : {"C2", "B2", "A1", "D", "C1", "A3", "B1", "A2"})
        sqlca.Execute("insert into t_cx(name, readme) values(?, 'x')", {c});
    Open(::w_login_2012);

    EXPECT_EQ(items, (std::vector<String>{"A1", "A2", "A3", "B1", "B2", "C1", "C2", "D"}));
    EXPECT_EQ(shown, "C1--x");
    EXPECT_EQ(gs_cx, "B1");
    EXPECT_EQ(paperNumbers(), before);
    EXPECT_FALSE(::w_mnkz_2012.IsValid());
}

// Group B2 of the small bank: chapter 1.1 asks " ", "abc" and "-3"
// questions, chapter 1.2 one single-choice and one true/false question.
TEST_F(ClassChoiceSmallBank, CountsThatAreNoNumberOrNotAboveZeroDrawNothing)
{
    chooseClass("A2");
    EXPECT_EQ(gs_cx, "A2");
    const auto rows = sqlca.Query("select t.fl, t.fl1, t.tx from t_kzmn k, t_tk005 t where t.mno = k.mno order by t.tx").rows;
    ASSERT_EQ(rows.size(), 2u);
    for (const Row &r : rows)
        EXPECT_EQ(r[0].toLong() * 10 + r[1].toLong(), 12);
    EXPECT_EQ(rows[0][2].toString(), "1");
    EXPECT_EQ(rows[1][2].toString(), "2");
    EXPECT_TRUE(::w_mnkz_2012.IsValid());
}

TEST_F(ClassChoiceSmallBank, NothingChosenEmptiesThePaperAndOpensAnEmptyExamination)
{
    buildPaper("C1");
    sqlca.ExecuteImmediate("delete from t_cx where name <> 'A1'");
    chooseClass("none");
    EXPECT_EQ(gs_cx, "");
    EXPECT_TRUE(paper().empty());
    long n = -1;
    sqlca.SelectInto("select count(*) from t_mno", {}, n);
    EXPECT_EQ(n, 0); // no rules, nothing drawn
    ASSERT_TRUE(::w_mnkz_2012.IsValid());
    EXPECT_EQ(::w_mnkz_2012->il_maxrow, 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ClassChoiceSmallBank, AFailedPaperWarnsAndEndsTheProgram)
{
    sqlca.ExecuteImmediate("drop table t_jfl");
    chooseClass("C1");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "警告");
    EXPECT_EQ(Left(boxes[0].text, Len("生成题库出错1！\r\n")), "生成题库出错1！\r\n");
    EXPECT_EQ(boxes[0].icon, Icon::StopSign);
    EXPECT_NE(Pos(boxes[0].text, "t_jfl"), 0);
    EXPECT_EQ(halts.size(), 1u);
    EXPECT_FALSE(::w_mnkz_2012.IsValid());
}

} // namespace
