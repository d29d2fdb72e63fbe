#include "bank.h"

#include "test_database.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>

namespace fs = std::filesystem;

namespace {

std::string u8(const char8_t *s) { return reinterpret_cast<const char *>(s); }

// A copy of the test bank's sources in which one file is replaced.
class BrokenBank {
public:
    BrokenBank(const std::string &file, const std::string &content)
    {
        fs::copy(TEST_BANK_DIR, dir.path().toStdString(), fs::copy_options::recursive);
        std::ofstream(dir.path().toStdString() + "/" + file, std::ios::trunc) << content;
    }
    std::string path() const { return dir.path().toStdString(); }

private:
    QTemporaryDir dir;
};

std::string readError(const std::string &file, const std::string &content)
{
    BrokenBank b(file, content);
    try {
        bank::ReadBank(b.path(), SOURCE_DIR "/resources/images");
    } catch (const bank::SourceError &e) {
        return e.what();
    }
    return "no error";
}

const std::string kQuestion = "[1]\ntype: single\nchapter: 1.1\ntext: t\nA: a\nB: b\nC: c\nD: d\nwhy: w\nthread: 1\n";

} // namespace

TEST(BankSource, MalformedSourcesStopWithFileLineAndReason)
{
    struct Case {
        std::string file, content, expected; // expected: a regular expression
    } cases[] = {
        {"questions/01-law.txt", kQuestion + "answer: 5\n", "01-law.txt:11: answer digit '5' is not an option"},
        {"questions/01-law.txt", kQuestion + "answer: 12\n", "01-law.txt:11: a single-choice answer is one digit"},
        {"questions/01-law.txt", "[1]\ntype: tf\nchapter: 1.1\ntext: t\nanswer: 3\nwhy: w\nthread: 1\n",
         "01-law.txt:5: a true/false answer is 1 \\(right\\) or 2 \\(wrong\\)"},
        {"questions/01-law.txt", "[1]\ntype: multiple\nchapter: 1.1\ntext: t\nA: a\nB: b\nC: c\nD: d\nanswer: 31\nwhy: w\nthread: 1\n",
         "01-law.txt:9: multiple-choice answer '31' is not in ascending order"},
        {"questions/01-law.txt", "[21]\ntype: tf\nchapter: 1.1\ntext: t\nanswer: 1\nwhy: w\nthread: 1\n",
         "question number 21 is used twice"},
        {"questions/01-law.txt", "[1]\ntype: tf\nchapter: 9.9\ntext: t\nanswer: 1\nwhy: w\nthread: 1\n",
         "01-law.txt:1: chapter 9.9 is not in chapters.txt"},
        {"questions/01-law.txt", "[1]\ntype: essay\n", "01-law.txt:2: type is tf, single or multiple"},
        {"questions/01-law.txt", "type: tf\n", "01-law.txt:1: a line outside a question"},
        {"questions/01-law.txt", "[1]\ntype: tf\nchapter: 1.1\ntext: " + std::string(130, '\xe7') + "\n",
         "01-law.txt:4: text: a character cannot be written in code page 936"},
        {"questions/01-law.txt", "[1]\ntype: tf\nchapter: 1.1\ntext: " + [] {
             std::string s;
             for (int i = 0; i < 128; ++i)
                 s += u8(u8"练");
             return s;
         }() + "\n", "01-law.txt:4: text: longer than 255 bytes \\(256\\)"},
        {"questions/01-law.txt", "[1]\ntype: tf\nchapter: 1.1\ntext: t\nanswer: 1\nwhy: w\nthread: 1\npic: nowhere.jpg\n",
         "01-law.txt:1: picture nowhere.jpg is not in"},
        {"rules.txt", "C1|1|1|9|0|0\n", "rules.txt:1: asks for 9 single-choice questions of chapter 1.1, which holds"},
        {"rules.txt", "C1|1|1|1|1|1\nC1|1|1|1|1|1\n", "rules.txt:2: group C1 has two rules for chapter 1.1"},
        {"rules.txt", "C1|1|1|1\n", "rules.txt:1: expected 6 fields"},
        {"sets.txt", "[" + u8(u8"试卷1") + "]\n1 2\n77\n", "sets.txt:3: set .*: question 77 is not in the bank"},
        {"sets.txt", "[x]\n1 2 1\n", "sets.txt:2: question 1 is twice in set x"},
        {"chapters.txt", "1|1|C1|a\n1|1|C1|b\n", "chapters.txt:2: chapter 1.1 listed twice"},
        {"system.txt", "colour: red\n", "system.txt:1: expected frist, cx or pathname"},
        {"classes.txt", "C1|a\nD|" + u8(u8"普通三轮摩托车") + "\n", "classes.txt:2: class D draws by rule group D, which draws no question"},
        {"rules.txt", "C1|1|1|1|1|1\nA1|1|1|0| |abc\n", "classes.txt:1: class A1 draws by rule group A1, which draws no question"},
    };
    for (const auto &c : cases) {
        const std::string error = readError(c.file, c.content);
        EXPECT_TRUE(std::regex_search(error, std::regex(c.expected))) << error << "\n  expected: " << c.expected;
    }
}

TEST(BankBuild, StatsOfTheTestBank)
{
    TempDatabase db;
    const auto lines = bank::DatabaseStats(db.file());
    const std::vector<std::string> expected = {
        "questions 16", "true/false 7",  "single 7",  "multiple 2",  "pictures 0",       "group A1 5",
        "group B2 2",   "group C1 10",   "class A1 5",  "class A2 2",  "class A3 5",       "class B1 5",
        "class B2 2",   "class C1 10",   "class C2 10", "class C3 10",
        "set " + u8(u8"试卷1") + " 10", "set " + u8(u8"货车专用题") + " 3",
        "set " + u8(u8"客车专用题") + " 2", "t_kzmn 0", "t_kzmn answered 0", "t_error 0", "t_cj 0"};
    EXPECT_EQ(lines, expected);
}

TEST(BankBuild, TextsAreStoredEnciphered)
{
    TempDatabase db;
    db.connectSqlca();
    // Nothing of the plain question text is in the file.
    QFile f(QString::fromStdString(db.file()));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_FALSE(bytes.contains(u8(u8"驾驶证").c_str()));
    EXPECT_FALSE(bytes.startsWith("SQLite format 3"));
}

TEST(BankBuild, MakebankKeepsAnExistingDatabase)
{
    QTemporaryDir dir;
    const std::string out = dir.path().toStdString() + "/vqb005.dat";
    const std::string makebank = MAKEBANK;
    const std::string build = makebank + " --data " TEST_BANK_DIR " --images " SOURCE_DIR "/resources/images --out " + out;
    ASSERT_EQ(std::system((build + " >/dev/null").c_str()), 0);
    {
        std::ofstream(out, std::ios::app) << "learner's answers";
    }
    const auto size = fs::file_size(out);
    ASSERT_EQ(std::system((build + " >/dev/null").c_str()), 0);
    EXPECT_EQ(fs::file_size(out), size);
    EXPECT_NE(std::system((makebank + " --data /nonexistent --out " + out + "x 2>/dev/null").c_str()), 0);
    EXPECT_FALSE(fs::exists(out + "x"));
}

// In a folder whose name code page 936 cannot write, makebank builds the
// database and reads its figures back, given the path whole or relative.
TEST(BankBuild, MakebankWorksInAFolderOutsideCodePage936)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/" + u8(u8"mk ö");
    fs::create_directories(folder);
    const std::string makebank = MAKEBANK;
    const std::string out = folder + "/vqb005.dat";
    ASSERT_EQ(std::system((makebank + " --data " TEST_BANK_DIR " --images " SOURCE_DIR "/resources/images --out '" +
                           out + "' >/dev/null")
                              .c_str()),
              0);
    for (const std::string &stats : {"'" + out + "'", std::string("vqb005.dat")}) {
        SCOPED_TRACE(stats);
        const std::string command = "cd '" + folder + "' && " + makebank + " --stats " + stats + " 2>&1";
        FILE *pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string output;
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        EXPECT_EQ(pclose(pipe), 0) << output;
        EXPECT_EQ(output.rfind("questions 16\n", 0), 0u) << output;
    }
}

TEST(BankBuild, SyntheticBankDrawsOneHundredPerGroup)
{
    const bank::Bank b = bank::SyntheticBank(1000);
    TempDatabase db(b);
    const auto lines = bank::DatabaseStats(db.file());
    for (const char *g : {"group A1 100", "group B2 100", "group C1 100", "questions 1000"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), g), lines.end()) << g;
}

// The project's own bank: every check of the builder passes, and the figures
// a learner relies on hold.
TEST(RealBank, BuildsWithFullPapersAndSets)
{
    const bank::Bank b = bank::ReadBank(SOURCE_DIR "/data", SOURCE_DIR "/resources/images");
    TempDatabase db(b);
    std::map<std::string, long> figures;
    for (const auto &line : bank::DatabaseStats(db.file())) {
        const auto space = line.rfind(' ');
        figures[line.substr(0, space)] = std::stol(line.substr(space + 1));
    }
    EXPECT_GE(figures["questions"], 300);
    EXPECT_GE(figures["pictures"], 40);
    // Every class the list offers draws a paper of 100.
    long classes = 0;
    for (const auto &[name, n] : figures)
        if (name.rfind("class ", 0) == 0) {
            ++classes;
            EXPECT_EQ(n, 100) << name;
        }
    EXPECT_EQ(classes, static_cast<long>(b.classes.size()));
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(figures["set " + u8(u8"试卷") + std::to_string(i)], 100) << i;
    EXPECT_GT(figures["set " + u8(u8"货车专用题")], 0);
    EXPECT_GT(figures["set " + u8(u8"客车专用题")], 0);
}
