#include "test_database.h"

#include "app/globals.h"
#include "app/of_decrypt.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

const bank::Bank &TestBank()
{
    static const bank::Bank b = bank::ReadBank(TEST_BANK_DIR, SOURCE_DIR "/resources/images");
    return b;
}

namespace {

const std::string &builtTestBank()
{
    static QTemporaryDir dir;
    static const std::string file = [] {
        const std::string f = dir.path().toStdString() + "/vqb005.dat";
        bank::WriteDatabase(TestBank(), f);
        return f;
    }();
    return file;
}

} // namespace

TempDatabase::TempDatabase()
{
    if (!QFile::copy(QString::fromStdString(builtTestBank()), QString::fromStdString(file())))
        throw std::runtime_error("cannot copy the test database");
}

TempDatabase::TempDatabase(const bank::Bank &b) { bank::WriteDatabase(b, file()); }

std::string TempDatabase::folder() const { return dir_.path().toStdString() + "/"; }

std::string TempDatabase::file() const { return folder() + "vqb005.dat"; }

runtime::String TempDatabase::dbParm() const
{
    return "ConnectString='DRIVER=Driver do Microsoft Access (*.mdb);PWD=" + of_decrypt_reg(kStoredPassword) +
           ";dbq=" + runtime::FromUtf8(folder()) + "\\vqb005.dat'";
}

void TempDatabase::connectSqlca() const
{
    sqlca.AutoCommit = true;
    sqlca.DBParm = dbParm();
    sqlca.Connect();
    if (sqlca.SQLCode != 0)
        throw std::runtime_error("cannot connect: " + runtime::ToUtf8(sqlca.SQLErrText));
}
