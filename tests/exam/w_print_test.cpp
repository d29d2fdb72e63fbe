// The score sheet: what the learner types is stored in t_cj as typed (cut to
// the field's length), a failed save says so, and the sheet prints with its
// Chinese text.
#include "exam/w_print.h"

#include "paper_fixture.h"
#include "runtime/dw/print.h"
#include "runtime/ui/messagebox.h"
#include "runtime/ui/units.h"

#include <QLineEdit>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace runtime;

namespace {

class ScoreSheet : public PaperTest {
protected:
    void SetUp() override
    {
        PaperTest::SetUp();
        SetMessageBoxHandler([this](const MessageBoxRequest &r) {
            boxes.push_back(r);
            return 1;
        });
    }
    void TearDown() override
    {
        SetMessageBoxHandler(nullptr);
        SetPrintHandler(nullptr);
        PaperTest::TearDown();
    }

    // Types into the fields of the current row in tab order, starting at the
    // name, as a learner who clicks into the name field and pastes each entry
    // would.
    static void Type(const std::vector<QString> &entries)
    {
        DataWindow &dw = *w_print->dw_1;
        dw.clickAt(QPoint(UnitsToPixelsX(700), UnitsToPixelsY(580)));
        auto *editor = dw.findChild<QLineEdit *>();
        ASSERT_TRUE(editor && editor->isVisible());
        for (const QString &entry : entries) {
            editor->selectAll();
            editor->insert(entry);
            QTest::keyClick(editor, Qt::Key_Tab);
        }
    }
    static std::vector<Row> Saved()
    {
        return sqlca.Query("select name, sfzh, mdate, dw, cj from t_cj order by rowid").rows;
    }

    std::vector<MessageBoxRequest> boxes;
};

TEST_F(ScoreSheet, SavesWhatWasTypedWithQuotesAndCutsLongText)
{
    OpenScoreSheet(87);
    const String date = w_print->dw_1->GetItemString(1, "mdate");
    const QString huge = QString("O'Brien \"; drop table t_cj; --") + QString(10 * 1024, QChar(0x738B));
    Type({huge, "11010519491231002X", QString(300, 'w')});
    w_print->cb_3.clicked.Trigger();
    EXPECT_TRUE(boxes.empty());
    ASSERT_EQ(Saved().size(), 1u);
    const Row row = Saved()[0];
    EXPECT_EQ(row[0].toString(), FromQString(huge.left(20)));
    EXPECT_EQ(row[1].toString(), "11010519491231002X");
    EXPECT_EQ(row[2].toString(), date);
    EXPECT_EQ(row[3].toString(), String(100, 'w'));
    EXPECT_EQ(row[4].toString(), "87");

    // A second press stores the same sheet again; the window stays.
    w_print->cb_3.clicked.Trigger();
    EXPECT_EQ(Saved().size(), 2u);
    EXPECT_TRUE(w_print.IsValid());
}

TEST_F(ScoreSheet, NothingTypedSavesNullsAndTheOpenersValues)
{
    OpenScoreSheet(93);
    w_print->cb_3.clicked.Trigger();
    ASSERT_EQ(Saved().size(), 1u);
    const Row row = Saved()[0];
    EXPECT_TRUE(row[0].isNull());
    EXPECT_TRUE(row[1].isNull());
    EXPECT_TRUE(row[3].isNull());
    EXPECT_EQ(row[4].toString(), "93");
    EXPECT_EQ(Len(row[2].toString()), 19);
}

TEST_F(ScoreSheet, TypedDateIsStoredAndASecondOpenerAddsARow)
{
    OpenScoreSheet(70);
    Type({ToQString("张三"), "", "", "2014-09-01 08:00:00"});
    OpenScoreSheet(80);
    ASSERT_EQ(w_print->dw_1->RowCount(), 2);
    w_print->dw_1->SetRow(1);
    w_print->cb_3.clicked.Trigger();
    ASSERT_EQ(Saved().size(), 1u);
    EXPECT_EQ(Saved()[0][0].toString(), "张三");
    EXPECT_EQ(Saved()[0][2].toString(), "2014-09-01 08:00:00");
    EXPECT_EQ(Saved()[0][4].toString(), "70");
}

TEST_F(ScoreSheet, FailedSaveWarnsAndKeepsTheSheet)
{
    OpenScoreSheet(60);
    Type({ToQString("李四")});
    sqlca.ExecuteImmediate("drop table t_cj");
    w_print->cb_3.clicked.Trigger();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "警告");
    EXPECT_EQ(Left(boxes[0].text, 16), "没有保存成功！\r\n");
    EXPECT_GT(Len(boxes[0].text), 16); // the database's own text follows
    EXPECT_EQ(boxes[0].icon, Icon::StopSign);
    EXPECT_TRUE(w_print.IsValid());
    EXPECT_EQ(w_print->dw_1->GetItemString(1, "name"), "李四");
}

TEST_F(ScoreSheet, PrintsEveryRowWithItsChineseText)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    const QString file = dir.filePath("sheet.pdf");
    SetPrintHandler([&](const DataStore &store) {
        QPdfWriter writer(file);
        writer.setResolution(300);
        return PrintPages(store, writer);
    });
    OpenScoreSheet(96);
    Type({ToQString("王小明"), "110105199001011234", ToQString("北京市驾驶员培训学校")});
    OpenScoreSheet(88);
    w_print->cb_1.clicked.Trigger();
    EXPECT_EQ(Saved().size(), 0u); // printing stores nothing

    QProcess p;
    p.start("pdftotext", {"-enc", "UTF-8", file, "-"});
    ASSERT_TRUE(p.waitForFinished(10000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    for (const char *expected : {"王小明", "110105199001011234", "北京市驾驶员培训学校", "96", "88", "姓名:", "身份证号:",
                                 "单位:", "时间:", "成绩:"})
        EXPECT_TRUE(text.contains(ToQString(expected))) << text.toStdString();
    EXPECT_EQ(text.count(ToQString("姓名:")), 2);
}

TEST_F(ScoreSheet, ExitStoresNothing)
{
    OpenScoreSheet(50);
    Type({ToQString("赵六")});
    w_print->cb_2.clicked.Trigger();
    EXPECT_FALSE(w_print.IsValid());
    EXPECT_EQ(Saved().size(), 0u);
}

} // namespace
