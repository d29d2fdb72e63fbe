#include "runtime/dw/datastore.h"
#include "runtime/dw/expression.h"

#include <gtest/gtest.h>

using namespace runtime;

namespace {

// Two rows of a small external data object: a wrong multiple-choice answer
// and an unanswered true/false question.
class ExpressionTest : public testing::Test {
protected:
    void SetUp() override
    {
        DataObject d("d_test");
        d.column("tx", ColumnType::Char, 1)
            .column("zdanswer", ColumnType::Char, 4)
            .column("answer", ColumnType::Char, 4)
            .column("xh", ColumnType::Long)
            .column("sys_date", ColumnType::DateTime);
        d.compute("double_xh", Band::Detail, 0, 0, 10, 10, "xh * 2");
        store.SetDataObject(d);
        store.InsertRow(0);
        store.SetItem(1, "tx", String("0"));
        store.SetItem(1, "zdanswer", String("13"));
        store.SetItem(1, "answer", String("134"));
        store.SetItem(1, "xh", 7);
        store.SetItem(1, "sys_date", String("2014-09-07 21:05:00")); // a Sunday
        store.InsertRow(0);
        store.SetItem(2, "tx", String("2"));
        store.SetItem(2, "zdanswer", String("0"));
        store.SetItem(2, "answer", String("2"));
        store.SetItem(2, "sys_date", String("2014-09-01 09:05:00")); // a Monday

        // A stand-in for the program's letter function.
        RegisterExpressionFunction("GF_GetString", [](const std::vector<Value> &args) {
            String out;
            for (char c : args.at(0).toString())
                if (c >= '1' && c <= '4')
                    out += static_cast<char>('A' + (c - '1'));
            return Value(out);
        });
    }

    String eval(const String &expression, long row = 1) { return store.EvaluateFor(expression, row).toString(); }

    DataStore store;
};

TEST_F(ExpressionTest, AnswerCellOfTheResultList)
{
    const String expression =
        "'你做答案:'+if(zdanswer='0','无',gf_getstring(zdanswer))+'~n~r'+'标准答案:'+gf_getstring( answer)";
    EXPECT_EQ(eval(expression, 1), "你做答案:AC\n\r标准答案:ACD");
    EXPECT_EQ(eval(expression, 2), "你做答案:无\n\r标准答案:B");
    EXPECT_EQ(eval("if( answer = zdanswer ,'√','×')", 1), "×");
}

TEST_F(ExpressionTest, OperatorsAndBuiltins)
{
    struct Case {
        const char *expression;
        const char *expected;
    } cases[] = {
        {"1 + 2 * 3", "7"},
        {"(1 + 2) * 3", "9"},
        {"7 / 2", "3.5"},
        {"-xh + 1", "-6"},
        {"'a' + 'b'", "ab"},
        {"\"dq\" + 'sq'", "dqsq"},
        {"'it~'s ~~ ~\"x~\"'", "it's ~ \"x\""},
        {"'~065'", "A"},
        {"if(tx='1' or tx='0', 'choice', 'tf')", "choice"},
        {"if(not (xh > 5) and 1=1, 'y', 'n')", "n"},
        {"if(xh >= 7 and xh <= 7 and xh <> 8, 'y', 'n')", "y"},
        {"string(len('练习'))", "4"},
        {"mid('abcdef', 2, 3)", "bcd"},
        {"left('abc', 2) + right('abc', 1)", "abc"},
        {"trim('  x  ')", "x"},
        {"pos('abcabc', 'c', 4)", "6"},
        {"long('12') + 1", "13"},
        {"upper('ab') + lower('CD')", "ABcd"},
        {"getrow()", "1"},
        {"rowcount()", "2"},
        {"double_xh + 1", "15"},
        {"#4", "7"},
        {"case(xh when 1, 7 then 'one or seven' when 2 then 'two' else 'other')", "one or seven"},
        {"case(tx when '1' then 'single')", ""},
        {"string(sys_date, 'yyyy年m月d日')", "2014年9月7日"},
        {"string(sys_date, 'hh:mm')", "21:05"},
        {"string(sys_date, 'yyyy-mm-dd hh:mm:ss')", "2014-09-07 21:05:00"},
        {"string(sys_date, 'h:mm:ss am/pm')", "9:05:00 pm"},
        {"daynumber(sys_date)", "1"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(eval(c.expression), c.expected) << c.expression;

    EXPECT_EQ(eval("string(sys_date, 'hh:mm')", 2), "09:05");
    EXPECT_EQ(eval("daynumber(sys_date)", 2), "2");
    EXPECT_EQ(eval("case(daynumber(sys_date) when 1 then 255 when 7 then 255 else 0)", 2), "0");
}

TEST_F(ExpressionTest, NullPropagatesAndComparesFalse)
{
    // xh is null in row 2.
    EXPECT_TRUE(store.EvaluateFor("xh + 1", 2).isNull());
    EXPECT_TRUE(store.EvaluateFor("'a' + string(xh)", 2).isNull());
    EXPECT_EQ(eval("if(xh = 1, 'y', 'n')", 2), "n");
    EXPECT_EQ(eval("if(xh <> 1, 'y', 'n')", 2), "n");
    EXPECT_EQ(eval("if(isnull(xh), 'null', 'set')", 2), "null");
    EXPECT_TRUE(store.EvaluateFor("1 / 0", 1).isNull());
}

TEST_F(ExpressionTest, ErrorsAreReported)
{
    for (const char *bad : {"1 +", "'open", "if(1, 2)", "(1", "1 ? 2", "case(1 when 1 'x')"})
        EXPECT_THROW(Expression::Parse(bad), ExpressionError) << bad;
    EXPECT_THROW(eval("no_such_column"), ExpressionError);
    EXPECT_THROW(eval("no_such_function(1)"), ExpressionError);
    EXPECT_THROW(eval("len(1, 2)"), ExpressionError);
}

// Hostile texts end as expression errors or defined arithmetic, never as a
// crash, an escaped library exception or undefined behaviour.
TEST_F(ExpressionTest, ExtremeNumbersAndNestingAreHandled)
{
    struct Case {
        std::string text;
        const char *value; // nullptr: an expression error
    } cases[] = {
        {"12345678901234567890", "1.23456789012346e+19"},
        {"xh = 12345678901234567890", "0"},
        {std::string(400, '9'), nullptr},
        {"9223372036854775807 + 1", "9.22337203685478e+18"},
        {"9223372036854775807 * 9223372036854775807", "8.50705917302346e+37"},
        {"-(-9223372036854775807 - 1)", "9.22337203685478e+18"},
        {"long(9223372036854775807 * 9223372036854775807)", "9223372036854775807"},
        {"long(-9223372036854775807 * 9223372036854775807)", "-9223372036854775808"},
        {std::string(10000, '(') + "1" + std::string(10000, ')'), nullptr},
        {std::string(10000, '-') + "1", nullptr},
        {"1" + [] { std::string t; for (int i = 0; i < 100000; ++i) t += "+1"; return t; }(), nullptr},
        {std::string(150, '(') + "1" + std::string(150, ')'), "1"},
    };
    for (const Case &c : cases) {
        const std::string shown = c.text.substr(0, 40);
        if (!c.value) {
            EXPECT_THROW(eval(c.text), ExpressionError) << shown;
            EXPECT_EQ(store.Find(c.text, 1, 2), -1) << shown;
            continue;
        }
        String value;
        EXPECT_NO_THROW(value = eval(c.text)) << shown;
        EXPECT_EQ(value, c.value) << shown;
    }
}

TEST_F(ExpressionTest, FindSearchesForwardAndBackward)
{
    store.InsertRow(0);
    store.SetItem(3, "zdanswer", String("0"));
    EXPECT_EQ(store.Find("zdanswer='0'", 1, store.RowCount()), 2);
    EXPECT_EQ(store.Find("zdanswer='0'", 3, 1), 3);
    EXPECT_EQ(store.Find("zdanswer='0'", 3, 3), 3);
    EXPECT_EQ(store.Find("zdanswer='9'", 1, 3), 0);
    EXPECT_EQ(store.Find("zdanswer='0'", 1, 99), 2); // an end past the last row stops there
    EXPECT_EQ(store.Find("zdanswer=", 1, 3), -1);
    EXPECT_EQ(store.Find("nothing='0'", 1, 3), -1);
    store.Reset();
    EXPECT_EQ(store.Find("zdanswer='0'", 1, 1), 0);
}

TEST(TildeCodes, RoundTrip)
{
    const String text = "a'b\"c~d\ne\rf\tg 练习";
    EXPECT_EQ(DecodeTildes(EncodeTildes(text)), text);
    EXPECT_EQ(DecodeTildes("~r~n"), "\r\n");
}

} // namespace
