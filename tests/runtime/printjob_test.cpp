// Print jobs without a dialog: pages go to the device the factory makes.
#include "runtime/print/printjob.h"

#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

DataObject tallRows()
{
    DataObject d("d_rows");
    d.column("a", ColumnType::Char, 20).bandHeight(Band::Detail, 400);
    d.columnField("a", Band::Detail, 20, 20, 800, 80).font("宋体", 9);
    return d;
}

int pageCount(const QString &pdf)
{
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return static_cast<int>(f.readAll().count("/Type /Page\n"));
}

class PrintJobs : public testing::Test {
protected:
    void TearDown() override { SetPrinterFactory(nullptr); }
    QTemporaryDir dir;
};

TEST_F(PrintJobs, DataWindowsOfOneJobLandOnTheDeviceFromNewPages)
{
    const QString pdf = dir.filePath("job.pdf");
    SetPrinterFactory([&] { return std::make_unique<QPdfWriter>(pdf); });
    DataStore first(tallRows()), second(tallRows());
    first.InsertRow(0);
    first.SetItem(1, "a", "第一份");
    second.InsertRow(0);
    second.SetItem(1, "a", "第二份");

    const long job = PrintOpen();
    ASSERT_GT(job, 0);
    EXPECT_EQ(PrintDataWindow(job, first), 1);
    EXPECT_EQ(PrintDataWindow(job, second), 1);
    EXPECT_EQ(PrintClose(job), 1);
    EXPECT_EQ(pageCount(pdf), 2);

    EXPECT_EQ(PrintClose(job), -1);
    EXPECT_EQ(PrintDataWindow(job, first), -1);
}

TEST_F(PrintJobs, NoPrinterNoJob)
{
    SetPrinterFactory([] { return nullptr; });
    EXPECT_EQ(PrintOpen(), -1);
    EXPECT_EQ(PrintClose(-1), -1);
}

} // namespace
