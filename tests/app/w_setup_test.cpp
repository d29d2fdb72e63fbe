// The settings dialog reads and saves the start-up switch t_system.frist.
#include "app/w_setup.h"
#include "frame/m_main.h"
#include "frame/w_main.h"
#include "running_program.h"

#include <QAbstractButton>

using namespace runtime;

class Settings : public RunningProgram {
protected:
    void SetUp() override
    {
        RunningProgram::SetUp();
        start();
    }
    // Chooses "系统设置" in the frame's menu bar.
    void openFromMenu() { static_cast<m_main *>(w_main->MenuID())->m_系统设置.action()->trigger(); }
    // Presses a button or the check box as the learner does.
    void click(QWidget *w) { static_cast<QAbstractButton *>(w)->click(); }
};

TEST_F(Settings, OpensBesideTheFrameShowingTheStoredSwitch)
{
    struct Case {
        const char *frist; // nullptr: no settings row
        bool ticked;
    } cases[] = {{"1", true}, {"2", false}, {"x", false}, {" 1", false}, {nullptr, false}};
    for (const auto &c : cases) {
        if (c.frist)
            sqlca.Execute("insert or replace into t_system (id, frist) values (1, ?)", {String(c.frist)});
        else
            sqlca.ExecuteImmediate("delete from t_system");
        openFromMenu(); // returns at once: a main window
        ASSERT_TRUE(w_setup.IsValid());
        EXPECT_EQ(w_setup->cbx_1.Checked(), c.ticked) << (c.frist ? c.frist : "(no row)");
        EXPECT_EQ(w_setup->GetWindowType(), WindowType::Main);
        click(w_setup->cb_2.widget()); // 关闭
        EXPECT_FALSE(w_setup.IsValid());
    }
}

TEST_F(Settings, SavesTickedAsOneClearedAsTwoAndCloses)
{
    for (bool tick : {true, false, true}) {
        openFromMenu();
        EXPECT_EQ(w_setup->Title(), "系统设置");
        EXPECT_EQ(w_setup->cb_1.Text(), "确定");
        if (w_setup->cbx_1.Checked() != tick)
            click(w_setup->cbx_1.widget());
        click(w_setup->cb_1.widget());
        EXPECT_FALSE(w_setup.IsValid());
        EXPECT_EQ(frist(), tick ? "1" : "2");
    }
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(halts.empty());
}

TEST_F(Settings, CloseWritesNothing)
{
    openFromMenu();
    EXPECT_FALSE(w_setup->cbx_1.Checked());
    click(w_setup->cbx_1.widget());
    click(w_setup->cb_2.widget());
    EXPECT_EQ(frist(), "2");
    openFromMenu();
    EXPECT_FALSE(w_setup->cbx_1.Checked());
    w_setup->widget()->close(); // the title bar's close box
    EXPECT_FALSE(w_setup.IsValid());
    EXPECT_EQ(frist(), "2");
}

TEST_F(Settings, FailedSaveWarnsAndEndsTheProgram)
{
    openFromMenu();
    sqlca.ExecuteImmediate("drop table t_system");
    click(w_setup->cb_1.widget());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "警告");
    EXPECT_EQ(Left(boxes[0].text, 18), "数据库更新出错！\r\n");
    EXPECT_EQ(boxes[0].icon, Icon::StopSign);
    EXPECT_NE(Pos(boxes[0].text, "t_system"), 0); // the database's own error text
    EXPECT_EQ(halts, std::vector<int>{1});
}

TEST_F(Settings, IdleControlsLieBelowTheDesignHeight)
{
    openFromMenu();
    EXPECT_EQ(w_setup->Height(), 848);
    EXPECT_GT(w_setup->st_7.Y(), w_setup->Height());
    EXPECT_GT(w_setup->ddlb_2.Y(), w_setup->Height());
    EXPECT_FALSE(w_setup->st_2.Visible());
    EXPECT_FALSE(w_setup->dw_1.Visible());
    EXPECT_EQ(w_setup->dw_1->RowCount(), 0);
    EXPECT_EQ(w_setup->Controls().size(), 8u);
    EXPECT_EQ(w_setup->ddlb_2.TotalItems(), 0);
    // The first control in the tab order has the focus.
    EXPECT_EQ(w_setup->widget()->focusWidget(), w_setup->cb_1.widget());
}
