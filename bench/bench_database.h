// A synthetic bank written once per size into a temporary folder.
#pragma once

#include "bank.h"

#include "app/app.h"
#include "app/of_decrypt.h"
#include "runtime/db/transaction.h"

#include <QTemporaryDir>

#include <map>
#include <memory>

class BenchDatabase {
public:
    // The database file of a synthetic bank of n questions.
    static std::string File(long n)
    {
        static QTemporaryDir dir;
        static std::map<long, std::string> files;
        auto it = files.find(n);
        if (it == files.end()) {
            const std::string f = dir.path().toStdString() + "/bank" + std::to_string(n) + ".dat";
            bank::WriteDatabase(bank::SyntheticBank(n), f);
            it = files.emplace(n, f).first;
        }
        return it->second;
    }

    static void Connect(runtime::Transaction &t, long n)
    {
        t.AutoCommit = true;
        t.DBParm = "ConnectString='PWD=" + of_decrypt_reg(kStoredPassword) + ";dbq=" + runtime::FromUtf8(File(n)) + "'";
        t.Connect();
    }
};
