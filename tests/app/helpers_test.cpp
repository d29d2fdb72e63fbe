#include "app/f_ts.h"
#include "app/gf_getstring.h"
#include "runtime/script/error.h"

#include <gtest/gtest.h>

using namespace runtime;

TEST(AnswerLetters, DigitsBecomeLettersOthersAreDropped)
{
    struct Case {
        const char *digits, *letters;
    } cases[] = {{"134", "ACD"}, {"2", "B"}, {"1,3", "AC"}, {"0", ""}, {"", ""}, {"31", "CA"}, {"11", "AA"}, {"5x4", "D"}};
    for (const auto &c : cases)
        EXPECT_EQ(gf_getstring(c.digits), c.letters) << c.digits;
    EXPECT_EQ(f_getstring("1a8 72"), "172");
}

TEST(AnswerInsert, KeepsDigitsAscending)
{
    struct Case {
        const char *answer, *digit, *result;
    } cases[] = {{"", "3", "3"},     {"13", "4", "134"},   {"24", "3", "234"},   {"13", "2", "123"},
                 {"234", "1", "1234"}, {"2", "2", "22"},   {"0", "1", "01"},     {"1234", "4", "12344"},
                 {"123", "4", "1234"}, {"12345", "6", "123456"}};
    for (const auto &c : cases)
        EXPECT_EQ(f_ts(c.answer, c.digit), c.result) << c.answer << " + " << c.digit;
}

TEST(AnswerInsert, NoRoomBeyondFourOptionsIsARunTimeError)
{
    for (const char *answer : {"1234", "23456"}) {
        try {
            f_ts(answer, "1");
            ADD_FAILURE() << answer;
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.number(), static_cast<int>(ErrorNumber::ArrayBoundaryExceeded));
        }
    }
}
