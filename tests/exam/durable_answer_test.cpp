// A wrong answer and its wrong-answer book row are one commit, and a commit
// lasts. A real process gives a wrong answer in the examination, practice
// or review over a real database file: killed right after each sync of the
// commit, it leaves the answer with its book row or neither, never one
// without the other; traced, the commit deletes its journal once and then
// syncs the folder, so a power cut cannot bring the journal back and roll
// the commit back at the next start.
#include "child_process.h"
#include "runtime/db/transaction.h"
#include "test_database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

using namespace runtime;

namespace {

struct WrongAnswer {
    ChildEnd end;
    long mno = 0;
    std::string wrong; // the digit picked
    int syncs = -1;    // of the commit, when the process lived to count them
};

// Gives one wrong answer of the kind ("exam", "practice", "review") in a
// process of its own, with the sync_faults library and the settings given.
WrongAnswer giveWrongAnswer(const std::string &kind, const TempDatabase &db,
                            std::map<std::string, std::string> environment = {})
{
    const std::string folder = std::filesystem::canonical(db.folder()).string();
    environment["LD_PRELOAD"] = SYNC_FAULTS;
    environment["SYNC_FAULTS_FOLDER"] = folder;
    WrongAnswer w;
    w.end = RunChild({WRONG_ANSWER_PROCESS, kind, folder}, environment);
    std::smatch m;
    if (std::regex_search(w.end.output, m, std::regex("mno (\\d+) wrong (\\d)"))) {
        w.mno = std::stol(m[1]);
        w.wrong = m[2];
    }
    if (std::regex_search(w.end.output, m, std::regex("syncs (\\d+)")))
        w.syncs = std::stoi(m[1]);
    return w;
}

struct Stored {
    std::string answer; // zdanswer in t_kzmn
    long bookRows = -1; // rows of t_error for the question
};

// What a new connection finds: a journal that a killed process left behind
// is rolled back first, as at the trainer's next start.
Stored readBack(const TempDatabase &db, long mno)
{
    Transaction t;
    t.DBParm = db.dbParm();
    t.Connect();
    EXPECT_EQ(t.SQLCode, 0) << ToUtf8(t.SQLErrText);
    String check;
    t.SelectInto("pragma integrity_check", {}, check);
    EXPECT_EQ(check, "ok");
    Stored s;
    String answer;
    t.SelectInto("select zdanswer from t_kzmn where mno = ?", {mno}, answer);
    s.answer = ToUtf8(answer);
    t.SelectInto("select count(*) from t_error where mno = ?", {mno}, s.bookRows);
    return s;
}

std::vector<std::string> lines(const std::string &file)
{
    std::vector<std::string> out;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

} // namespace

TEST(DurableAnswer, KilledAtAnySyncOfItsCommitAWrongAnswerKeepsItsBookRowOrGoesWithIt)
{
    for (const std::string kind : {"exam", "practice", "review"}) {
        SCOPED_TRACE(kind);
        int both = 0, neither = 0, syncs = -1;
        for (int n = 1; n <= 20 && syncs < 0; ++n) {
            SCOPED_TRACE("killed after sync " + std::to_string(n));
            TempDatabase db;
            const WrongAnswer w = giveWrongAnswer(kind, db, {{"SYNC_FAULTS_KILL_AFTER", std::to_string(n)}});
            ASSERT_GT(w.mno, 0) << w.end.output;
            const Stored s = readBack(db, w.mno);
            if (w.end.signal == 0) { // the commit had fewer syncs: it ran to its end
                EXPECT_EQ(w.end.exitCode, 0);
                syncs = w.syncs;
                EXPECT_EQ(syncs, n - 1);
                EXPECT_EQ(w.end.output.find("box"), std::string::npos) << w.end.output;
                EXPECT_EQ(s.answer, w.wrong);
                EXPECT_EQ(s.bookRows, 1);
                continue;
            }
            EXPECT_EQ(w.end.signal, SIGKILL);
            if (s.answer == w.wrong && s.bookRows == 1)
                ++both;
            else if (s.answer == "0" && s.bookRows == 0)
                ++neither;
            else
                ADD_FAILURE() << "answer " << s.answer << " with " << s.bookRows << " book rows";
        }
        // The journal, the database and the folder at least; killed before
        // the last, the commit is rolled back, after it, it stands.
        EXPECT_GE(syncs, 3);
        EXPECT_EQ(neither, syncs - 1);
        EXPECT_EQ(both, 1);
    }
}

TEST(DurableAnswer, ACommitSyncsTheFolderAfterItDeletesTheJournal)
{
    TempDatabase db;
    QTemporaryDir traceDir;
    const std::string trace = traceDir.path().toStdString() + "/trace";
    const WrongAnswer w = giveWrongAnswer("practice", db, {{"SYNC_FAULTS_TRACE", trace}});
    ASSERT_EQ(w.end.exitCode, 0) << w.end.output;

    const std::string folder = std::filesystem::canonical(db.folder()).string();
    const std::string journal = folder + "/vqb005.dat-journal", database = folder + "/vqb005.dat";
    const std::vector<std::string> ops = lines(trace);
    auto position = [&](const std::string &op, size_t from = 0) {
        for (size_t i = from; i < ops.size(); ++i)
            if (ops[i] == op || ops[i] == "fsync " + op || ops[i] == "fdatasync " + op)
                return static_cast<long>(i);
        return -1L;
    };
    std::string shown;
    for (const std::string &op : ops)
        shown += op + "\n";
    SCOPED_TRACE(shown);

    // One commit: one journal, synced before the database, the database
    // before the journal goes.
    const long deleted = position("unlink " + journal);
    ASSERT_GE(deleted, 0);
    EXPECT_EQ(position("unlink " + journal, static_cast<size_t>(deleted) + 1), -1);
    const long databaseSynced = position(database);
    EXPECT_GE(position(journal), 0);
    EXPECT_LT(position(journal), databaseSynced);
    EXPECT_LT(databaseSynced, deleted);
    // The deletion reaches the disk: the folder is synced after it, last.
    EXPECT_EQ(position(folder, static_cast<size_t>(deleted)), static_cast<long>(ops.size()) - 1);
}
