#include "runtime/text/text.h"

#include <QString>
#include <gtest/gtest.h>

using namespace runtime;

// Source literals are stored in code page 936, so "练" is two bytes here.
TEST(Text, CountsAndCutsBytes)
{
    const String s = "D:\\练习\\app.exe";
    EXPECT_EQ(Len(s), 15);
    EXPECT_EQ(Left(s, 3), "D:\\");
    EXPECT_EQ(Mid(s, 4, 4), "练习");
    EXPECT_EQ(Right(s, 7), "app.exe");
    EXPECT_EQ(Pos(Upper(s), "APP.EXE"), 9);
    EXPECT_EQ(Pos(s, "x", 20), 0);
    EXPECT_EQ(Mid(s, 0, 2), "");
    EXPECT_EQ(Mid(s, 9), "app.exe");
    EXPECT_EQ(Left(s, -1), "");
    EXPECT_EQ(Right(s, 99), s);
}

TEST(Text, LeftWholeKeepsDoubleByteCharactersWhole)
{
    EXPECT_EQ(LeftWhole("a练习", 2), "a");
    EXPECT_EQ(LeftWhole("a练习", 3), "a练");
    EXPECT_EQ(LeftWhole("练习", 99), "练习");
    EXPECT_EQ(LeftWhole("练", 0), "");
}

TEST(Text, TrimRemovesBlanksOnly)
{
    EXPECT_EQ(Trim("  a b \t "), "a b \t");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(LeftTrim("  x "), "x ");
    EXPECT_EQ(RightTrim("  x "), "  x");
}

TEST(Text, CaseLeavesDoubleByteCharactersAlone)
{
    // The second byte of "瓢" (0xC6 0x61) looks like 'a'.
    const String gourd = "\xC6\x61";
    EXPECT_EQ(Upper("a" + gourd + "b"), "A" + gourd + "B");
    EXPECT_EQ(Lower("ABC练"), "abc练");
}

TEST(Text, FillAndSpace)
{
    EXPECT_EQ(Fill("ab", 5), "ababa");
    EXPECT_EQ(Fill("ab", 0), "");
    EXPECT_EQ(Space(3), "   ");
    EXPECT_EQ(Space(-1), "");
}

TEST(Text, NumbersFromText)
{
    struct Case {
        const char *text;
        long value;
    } cases[] = {{"40", 40}, {" 7 ", 7}, {"-3", -3}, {"", 0}, {" ", 0}, {"abc", 0}, {"12abc", 0}, {"+5", 5}, {"3.9", 3}};
    for (const auto &c : cases) {
        EXPECT_EQ(Long(c.text), c.value) << c.text;
        EXPECT_EQ(Integer(c.text), c.value) << c.text;
    }
    EXPECT_EQ(Integer("40000"), 0); // beyond a 16-bit integer
    EXPECT_EQ(Long("40000"), 40000);
    EXPECT_TRUE(IsNumber("1.5"));
    EXPECT_FALSE(IsNumber("1,5"));
}

TEST(Text, NumbersToText)
{
    EXPECT_EQ(String(100 + 1), "101");
    EXPECT_EQ(String(-7L), "-7");
    EXPECT_EQ(String(90.0), "90");
    EXPECT_EQ(String(2.5), "2.5");
}

TEST(Text, ConvertsBetweenCodePage936AndUnicode)
{
    const String s = "维拓练习系统 V1";
    const QString q = ToQString(s);
    EXPECT_EQ(q, QString::fromUtf8(reinterpret_cast<const char *>(u8"维拓练习系统 V1")));
    EXPECT_EQ(FromQString(q), s);
    EXPECT_EQ(FromUtf8(ToUtf8(s)), s);
    // A character code page 936 lacks becomes a question mark.
    EXPECT_EQ(FromQString(QString::fromUtf8("a\xF0\x9F\x98\x80" "b")), "a?b");
    // Bytes that are no code-page-936 text do not stop the conversion.
    EXPECT_EQ(ToQString(String("x\xFFy")).size(), 3);
}
