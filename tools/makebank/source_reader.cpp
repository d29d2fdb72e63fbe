// Reading and checking the bank's source files.
#include "bank.h"

#include "exam/paper_building.h"
#include "runtime/text/text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace bank {

namespace {

std::string trim(const std::string &s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

std::vector<std::string> split(const std::string &s, char sep)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = s.find(sep, start);
        parts.push_back(trim(s.substr(start, at == std::string::npos ? std::string::npos : at - start)));
        if (at == std::string::npos)
            return parts;
        start = at + 1;
    }
}

bool parseWhole(const std::string &s, long &value)
{
    if (s.empty() || s.size() > 9 || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    value = std::stol(s);
    return true;
}

// A source file as numbered lines, comments and blank lines marked empty.
struct Line {
    int number;
    std::string text;
};

std::vector<Line> readLines(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw SourceError(file.string(), "cannot be read");
    std::vector<Line> lines;
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (number == 1 && text.rfind("\xEF\xBB\xBF", 0) == 0)
            text.erase(0, 3);
        const std::string t = trim(text);
        lines.push_back({number, t.empty() || t[0] == '#' ? std::string() : t});
    }
    return lines;
}

std::string at(const fs::path &file, int line) { return file.string() + ":" + std::to_string(line); }

// A text the program will hold in code page 936, within its 255 bytes.
void checkText(const std::string &where, const std::string &key, const std::string &text)
{
    const runtime::String cp936 = runtime::FromUtf8(text);
    if (runtime::ToUtf8(cp936) != text)
        throw SourceError(where, key + ": a character cannot be written in code page 936");
    if (cp936.size() > 255)
        throw SourceError(where, key + ": longer than 255 bytes (" + std::to_string(cp936.size()) + ")");
}

void finishQuestion(Question &q, const std::map<std::string, int> &seen, const std::string &file)
{
    auto need = [&](const char *key) {
        if (!seen.count(key))
            throw SourceError(q.where, std::string("question ") + std::to_string(q.mno) + " has no '" + key + "'");
    };
    need("type");
    need("chapter");
    need("text");
    need("answer");
    need("why");
    need("thread");
    const bool tf = q.tx == "2";
    for (const char *letter : {"A", "B", "C", "D"}) {
        if (tf && seen.count(letter))
            throw SourceError(at(file, seen.at(letter)), "a true/false question has no options");
        if (!tf)
            need(letter);
    }
    if (tf) {
        q.choices[0] = "正确";
        q.choices[1] = "错误";
    }
    const std::string where = at(file, seen.at("answer"));
    const std::string &a = q.answer;
    if (tf) {
        if (a != "1" && a != "2")
            throw SourceError(where, "a true/false answer is 1 (right) or 2 (wrong), not '" + a + "'");
        return;
    }
    for (char c : a)
        if (c < '1' || c > '4')
            throw SourceError(where, "answer digit '" + std::string(1, c) + "' is not an option (1 to 4)");
    if (q.tx == "1" && a.size() != 1)
        throw SourceError(where, "a single-choice answer is one digit, not '" + a + "'");
    if (q.tx == "0") {
        if (a.size() < 2)
            throw SourceError(where, "a multiple-choice answer has two or more digits, not '" + a + "'");
        for (size_t i = 1; i < a.size(); ++i)
            if (a[i] <= a[i - 1])
                throw SourceError(where, "multiple-choice answer '" + a + "' is not in ascending order without repeats");
    }
}

void readQuestions(const fs::path &file, Bank &bank)
{
    Question q;
    std::map<std::string, int> seen;
    bool open = false;
    auto flush = [&] {
        if (open)
            finishQuestion(q, seen, file.string()), bank.questions.push_back(q);
        q = Question();
        seen.clear();
        open = false;
    };
    for (const Line &line : readLines(file)) {
        const std::string &t = line.text;
        const std::string where = at(file, line.number);
        if (t.empty())
            continue;
        if (t.front() == '[') {
            flush();
            if (t.back() != ']' || !parseWhole(trim(t.substr(1, t.size() - 2)), q.mno) || q.mno < 1)
                throw SourceError(where, "a question header is [number], a whole number from 1");
            q.where = where;
            open = true;
            continue;
        }
        if (!open)
            throw SourceError(where, "a line outside a question (a block starts with [number])");
        const size_t colon = t.find(':');
        if (colon == std::string::npos)
            throw SourceError(where, "expected 'key: value'");
        const std::string key = trim(t.substr(0, colon));
        const std::string value = trim(t.substr(colon + 1));
        if (seen.count(key))
            throw SourceError(where, "'" + key + "' given twice");
        seen[key] = line.number;
        if (key == "type") {
            if (value == "tf")
                q.tx = "2";
            else if (value == "single")
                q.tx = "1";
            else if (value == "multiple")
                q.tx = "0";
            else
                throw SourceError(where, "type is tf, single or multiple, not '" + value + "'");
        } else if (key == "chapter") {
            const auto parts = split(value, '.');
            if (parts.size() != 2 || !parseWhole(parts[0], q.fl) || !parseWhole(parts[1], q.fl1))
                throw SourceError(where, "chapter is written fl.fl1, such as 2.1");
        } else if (key == "text" || key == "why" || (key.size() == 1 && key >= "A" && key <= "D")) {
            if (value.empty())
                throw SourceError(where, "'" + key + "' is empty");
            checkText(where, key, value);
            if (key == "text")
                q.text = value;
            else if (key == "why")
                q.why = value;
            else
                q.choices[key[0] - 'A'] = value;
        } else if (key == "answer") {
            q.answer = value;
        } else if (key == "thread") {
            long n;
            if (!parseWhole(value, n))
                throw SourceError(where, "thread is a number");
            q.thread = value;
        } else if (key == "pic") {
            q.pic = value;
        } else {
            throw SourceError(where, "unknown key '" + key + "'");
        }
    }
    flush();
}

std::vector<std::pair<Line, std::vector<std::string>>> readTable(const fs::path &file, size_t columns)
{
    std::vector<std::pair<Line, std::vector<std::string>>> rows;
    for (const Line &line : readLines(file)) {
        if (line.text.empty())
            continue;
        auto fields = split(line.text, '|');
        if (fields.size() != columns)
            throw SourceError(at(file, line.number), "expected " + std::to_string(columns) + " fields separated by '|', found " +
                                                         std::to_string(fields.size()));
        rows.emplace_back(line, std::move(fields));
    }
    return rows;
}

void readChapters(const fs::path &file, Bank &bank)
{
    std::set<std::pair<long, long>> pairs;
    for (auto &[line, f] : readTable(file, 4)) {
        Chapter c;
        if (!parseWhole(f[0], c.fl) || !parseWhole(f[1], c.xh))
            throw SourceError(at(file, line.number), "chapter and sub-chapter are whole numbers");
        if (!pairs.insert({c.fl, c.xh}).second)
            throw SourceError(at(file, line.number), "chapter " + f[0] + "." + f[1] + " listed twice");
        c.cx = f[2];
        bank.chapters.push_back(c);
    }
}

void readClasses(const fs::path &file, Bank &bank)
{
    for (auto &[line, f] : readTable(file, 2)) {
        if (f[0].empty() || f[0].size() > 2)
            throw SourceError(at(file, line.number), "a class code has one or two characters");
        checkText(at(file, line.number), "description", f[1]);
        bank.classes.push_back({f[0], f[1], at(file, line.number)});
    }
}

void readRules(const fs::path &file, Bank &bank)
{
    std::set<std::tuple<std::string, long, long>> seen;
    for (auto &[line, f] : readTable(file, 6)) {
        Rule r;
        r.where = at(file, line.number);
        r.group = f[0];
        if (r.group.empty() || r.group.size() > 10)
            throw SourceError(r.where, "a rule group has one to ten characters");
        if (!parseWhole(f[1], r.fl) || !parseWhole(f[2], r.jfl))
            throw SourceError(r.where, "chapter and sub-chapter are whole numbers");
        if (!seen.insert({r.group, r.fl, r.jfl}).second)
            throw SourceError(r.where, "group " + r.group + " has two rules for chapter " + f[1] + "." + f[2]);
        r.single = f[3];
        r.tf = f[4];
        r.multiple = f[5];
        bank.rules.push_back(r);
    }
}

void readSets(const fs::path &file, Bank &bank)
{
    PracticeSet *current = nullptr;
    std::set<long> members;
    for (const Line &line : readLines(file)) {
        const std::string &t = line.text;
        const std::string where = at(file, line.number);
        if (t.empty())
            continue;
        if (t.front() == '[') {
            if (t.back() != ']' || trim(t.substr(1, t.size() - 2)).empty())
                throw SourceError(where, "a set header is [set name]");
            bank.sets.push_back({trim(t.substr(1, t.size() - 2)), {}});
            checkText(where, "set name", bank.sets.back().name);
            current = &bank.sets.back();
            members.clear();
            continue;
        }
        if (!current)
            throw SourceError(where, "members before the first [set name]");
        for (const std::string &word : split(t, ' ')) {
            if (word.empty())
                continue;
            long mno;
            if (!parseWhole(word, mno))
                throw SourceError(where, "'" + word + "' is not a question number");
            if (!members.insert(mno).second)
                throw SourceError(where, "question " + word + " is twice in set " + current->name);
            current->members.push_back({mno, static_cast<long>(current->members.size() + 1), where});
        }
    }
}

void readSystem(const fs::path &file, Bank &bank)
{
    for (const Line &line : readLines(file)) {
        if (line.text.empty())
            continue;
        const size_t colon = line.text.find(':');
        const std::string key = colon == std::string::npos ? std::string() : trim(line.text.substr(0, colon));
        if (key != "frist" && key != "cx" && key != "pathname")
            throw SourceError(at(file, line.number), "expected frist, cx or pathname as 'key: value'");
        bank.system[key] = trim(line.text.substr(colon + 1));
    }
}

// The checks across files: chapters, pictures, rules and sets against the questions.
void crossCheck(Bank &bank, const fs::path &imagesDir)
{
    std::set<std::pair<long, long>> chapters;
    for (const auto &c : bank.chapters)
        chapters.insert({c.fl, c.xh});
    std::map<long, const Question *> byNumber;
    std::map<std::tuple<long, long, std::string>, long> perType;
    for (const auto &q : bank.questions) {
        if (!byNumber.emplace(q.mno, &q).second)
            throw SourceError(q.where, "question number " + std::to_string(q.mno) + " is used twice (first at " +
                                           byNumber[q.mno]->where + ")");
        if (!chapters.count({q.fl, q.fl1}))
            throw SourceError(q.where, "chapter " + std::to_string(q.fl) + "." + std::to_string(q.fl1) +
                                           " is not in chapters.txt");
        if (!q.pic.empty() && !imagesDir.empty() && !fs::exists(imagesDir / q.pic))
            throw SourceError(q.where, "picture " + q.pic + " is not in " + imagesDir.string());
        ++perType[{q.fl, q.fl1, q.tx}];
    }
    for (const auto &r : bank.rules) {
        const std::pair<const std::string *, const char *> counts[] = {{&r.single, "1"}, {&r.tf, "2"}, {&r.multiple, "0"}};
        for (const auto &[count, tx] : counts) {
            const long wanted = runtime::Long(*count);
            const long held = perType[{r.fl, r.jfl, tx}];
            if (wanted > held) {
                const char *kind = tx[0] == '1' ? "single-choice" : tx[0] == '2' ? "true/false" : "multiple-choice";
                throw SourceError(r.where, "asks for " + std::to_string(wanted) + " " + kind + " questions of chapter " +
                                               std::to_string(r.fl) + "." + std::to_string(r.jfl) + ", which holds " +
                                               std::to_string(held));
            }
        }
    }
    // Every class of the list draws its paper by the rules of its group; a
    // group that draws nothing would give that class an empty examination.
    std::map<std::string, long> drawn;
    for (const auto &r : bank.rules)
        for (const std::string *count : {&r.single, &r.tf, &r.multiple})
            drawn[r.group] += std::max(0L, runtime::Long(*count));
    for (const auto &c : bank.classes) {
        const std::string group = runtime::ToUtf8(RuleGroupOf(runtime::FromUtf8(c.name)));
        if (drawn[group] == 0)
            throw SourceError(c.where, "class " + c.name + " draws by rule group " + group + ", which draws no question");
    }
    for (const auto &s : bank.sets)
        for (const auto &m : s.members)
            if (!byNumber.count(m.mno))
                throw SourceError(m.where, "set " + s.name + ": question " + std::to_string(m.mno) + " is not in the bank");
}

} // namespace

Bank ReadBank(const std::string &dataDir, const std::string &imagesDir)
{
    Bank bank;
    const fs::path data(dataDir);
    std::vector<fs::path> questionFiles;
    if (fs::is_directory(data / "questions"))
        for (const auto &entry : fs::directory_iterator(data / "questions"))
            if (entry.path().extension() == ".txt")
                questionFiles.push_back(entry.path());
    if (questionFiles.empty())
        throw SourceError((data / "questions").string(), "no question files (*.txt)");
    std::sort(questionFiles.begin(), questionFiles.end());
    for (const auto &file : questionFiles)
        readQuestions(file, bank);
    readChapters(data / "chapters.txt", bank);
    readClasses(data / "classes.txt", bank);
    readRules(data / "rules.txt", bank);
    readSets(data / "sets.txt", bank);
    readSystem(data / "system.txt", bank);
    crossCheck(bank, imagesDir);
    return bank;
}

} // namespace bank
