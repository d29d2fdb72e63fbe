// Databases for tests: a fresh copy of a built bank in a temporary folder.
#pragma once

#include "bank.h"
#include "runtime/text/text.h"

#include <QTemporaryDir>

#include <string>

// The small bank of tests/bank, read once.
const bank::Bank &TestBank();

class TempDatabase {
public:
    // A database of the test bank (built once, copied for each TempDatabase).
    TempDatabase();
    // A database of the given bank.
    explicit TempDatabase(const bank::Bank &b);

    // The folder, with a trailing separator, as the program folder would be.
    std::string folder() const;
    std::string file() const;
    // The connect string the program would build for this file.
    runtime::String dbParm() const;
    // Connects the global sqlca to this database.
    void connectSqlca() const;

private:
    QTemporaryDir dir_;
};
