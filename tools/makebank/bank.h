// The question bank as read from its source files, before it is written
// into the program's database. Texts are UTF-8, as in the source files.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace bank {

struct Question {
    long mno = 0;
    std::string tx; // "0" multiple, "1" single, "2" true/false
    std::string answer;
    std::string text;
    std::string choices[4];
    std::string why;
    std::string thread;
    std::string pic;
    long fl = 0;
    long fl1 = 0;
    std::string where; // file:line of the question's header
};

struct Chapter {
    long fl = 0;
    long xh = 0;
    std::string cx;
};

struct VehicleClass {
    std::string name;
    std::string readme;
    std::string where;
};

struct Rule {
    std::string group;
    long fl = 0;
    long jfl = 0;
    std::string single, tf, multiple; // counts as written
    std::string where;
};

struct SetMember {
    long mno = 0;
    long xh = 0;
    std::string where;
};

struct PracticeSet {
    std::string name;
    std::vector<SetMember> members;
};

struct Bank {
    std::vector<Question> questions;
    std::vector<Chapter> chapters;
    std::vector<VehicleClass> classes;
    std::vector<Rule> rules;
    std::vector<PracticeSet> sets;
    std::map<std::string, std::string> system; // frist, cx, pathname
};

// A fault of the source files: where (file:line) and why.
class SourceError : public std::runtime_error {
public:
    SourceError(const std::string &where, const std::string &reason)
        : std::runtime_error(where + ": " + reason) {}
};

// Reads the bank from a data folder laid out as docs/bank-format.md says and
// checks it; images is the folder of the question pictures. Throws
// SourceError at the first fault.
Bank ReadBank(const std::string &dataDir, const std::string &imagesDir);

// A made-up bank of n questions over six chapters, with rules for the groups
// C1, A1 and B2 of 100 questions each and eleven sets; for benchmarks.
Bank SyntheticBank(long n);

// Writes the bank into a new enciphered database file. Throws
// std::runtime_error when the file cannot be written.
void WriteDatabase(const Bank &bank, const std::string &file);

// The figures of a built database, one "name N" line each.
std::vector<std::string> DatabaseStats(const std::string &file);

} // namespace bank
