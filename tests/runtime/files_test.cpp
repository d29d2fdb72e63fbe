// Appending text files in line mode, and the user name.
#include "runtime/file/textfile.h"
#include "runtime/win32/username.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

std::string contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

TEST(TextFile, AppendsLinesEndedWithCrLfAndNeverRewrites)
{
    QTemporaryDir dir;
    const String name = FromQString(dir.filePath(ToQString("日志.txt")));
    for (const char *text : {"第一", ""}) {
        const int f = FileOpenAppend(name);
        ASSERT_GT(f, 0);
        EXPECT_EQ(FileWriteLine(f, text), Len(text) + 2);
        EXPECT_EQ(FileClose(f), 1);
    }
    const int f = FileOpenAppend(name);
    FileWriteLine(f, "a\tb");
    FileWriteLine(f, "c");
    FileClose(f);
    EXPECT_EQ(contents(dir.filePath(ToQString("日志.txt"))), std::string(String("第一\r\n\r\na\tb\r\nc\r\n")));
}

TEST(TextFile, FileThatCannotBeOpenedWritesNothingAndSaysSo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.txt"));
    for (const QString &path : {dir.filePath("taken.txt"), dir.filePath("no/such/folder.txt"), QString()}) {
        const int f = FileOpenAppend(FromQString(path));
        EXPECT_EQ(f, -1) << path.toStdString();
        EXPECT_EQ(FileWriteLine(f, "x"), -1);
        EXPECT_EQ(FileClose(f), -1);
    }
    const int f = FileOpenAppend(FromQString(dir.filePath("ok.txt")));
    FileClose(f);
    EXPECT_EQ(FileWriteLine(f, "after close"), -1);
    EXPECT_EQ(FileClose(f), -1);
}

TEST(UserName, TheSystemNamesTheUser)
{
    String name = "stale";
    ASSERT_TRUE(GetUserName(name));
    EXPECT_FALSE(name.empty());
    EXPECT_NE(name, "stale");
}

} // namespace
