// A synthetic bank written once per size into a temporary folder.
#pragma once

#include "bank.h"

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
        static std::map<long, std::string> files;
        auto it = files.find(n);
        if (it == files.end()) {
            const std::string f = folder().path().toStdString() + "/bank" + std::to_string(n) + ".dat";
            bank::WriteDatabase(bank::SyntheticBank(n), f);
            it = files.emplace(n, f).first;
        }
        return it->second;
    }

    // The database file of the project's own bank, pictures and all.
    static std::string RealBankFile()
    {
        static const std::string f = [] {
            const std::string file = folder().path().toStdString() + "/real.dat";
            bank::WriteDatabase(bank::ReadBank(SOURCE_DIR "/data", SOURCE_DIR "/resources/images"), file);
            return file;
        }();
        return f;
    }

    static void Connect(runtime::Transaction &t, long n) { ConnectFile(t, File(n)); }

    static void ConnectFile(runtime::Transaction &t, const std::string &file)
    {
        t.AutoCommit = true;
        t.DBParm = "ConnectString='PWD=" + of_decrypt_reg(kStoredPassword) + ";dbq=" + runtime::FromUtf8(file) + "'";
        t.Connect();
    }

private:
    static QTemporaryDir &folder()
    {
        static QTemporaryDir dir;
        return dir;
    }
};
