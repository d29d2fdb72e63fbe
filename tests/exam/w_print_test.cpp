// The score sheet: what the learner types is stored in t_cj as typed (cut to
// the field's length), a failed save says so, and the sheet prints with its
// Chinese text.
#include "exam/w_print.h"

#include "paper_fixture.h"
#include "runtime/draw/units.h"
#include "runtime/dw/print.h"
#include "runtime/dw/render.h"
#include "runtime/ui/messagebox.h"

#include <QImage>
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

// What the sheet shows: a long work unit stays inside its field, cut at its
// end; the field being typed into keeps its underline, and once the focus
// has gone to a button the field shows the value stored, underlined.
TEST_F(ScoreSheet, ALongUnitStaysInItsFieldAndFieldsKeepTheirUnderline)
{
    OpenScoreSheet(95);
    DataWindow &dw = *w_print->dw_1;
    dw.window()->activateWindow(); // the focus moves as in a window the learner works in
    ASSERT_TRUE(QTest::qWaitForWindowActive(dw.window()));
    Type({ToQString("张三"), "11010519491231002X", QString(40, QChar(0x9A7E))}); // now in the date
    auto *editor = dw.findChild<QLineEdit *>();
    ASSERT_TRUE(editor->isVisible());
    // A field's box in the control, inside the control's lowered frame.
    auto field = [&](const char *name) { return ObjectRect(*dw.dataObject().object(name), 0).translated(2, 2); };
    auto dark = [](const QImage &image, const QRect &box) {
        int n = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                n += image.pixelColor(x, y).lightness() < 160;
        return n;
    };
    auto underlined = [&](const QImage &image, const char *name) {
        const QRect f = field(name);
        return dark(image, QRect(f.left(), f.bottom(), f.width(), 1)) == f.width();
    };

    QImage image = dw.grab().toImage();
    EXPECT_TRUE(underlined(image, "mdate")); // under the edit
    const QRect unit = field("dw");
    EXPECT_GT(dark(image, QRect(unit.right() - 3, unit.top(), 4, unit.height() - 1)), 0);
    EXPECT_EQ(dark(image, QRect(unit.right() + 1, unit.top(), dw.width() - 3 - unit.right(), unit.height())), 0);

    QTest::mouseClick(w_print->cb_3.widget(), Qt::LeftButton);
    ASSERT_EQ(Saved().size(), 1u);
    EXPECT_FALSE(editor->isVisible());
    image = dw.grab().toImage();
    for (const char *name : {"name", "sfzh", "dw", "mdate"}) {
        EXPECT_TRUE(underlined(image, name)) << name;
        EXPECT_GT(dark(image, field(name).adjusted(0, 0, 0, -1)), 0) << name;
    }

    // Back in the sheet by the keyboard, the edit goes on in the date.
    dw.setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->geometry().top(), field("mdate").top());
    EXPECT_EQ(FromQString(editor->text()), Saved()[0][2].toString());
}

} // namespace
