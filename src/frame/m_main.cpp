#include "frame/m_main.h"

#include "app/w_setup.h"
#include "exam/w_login_2012.h"
#include "frame/w_about.h"
#include "frame/w_main.h"
#include "practice/w_tc_select11.h"
#include "review/w_error_select.h"

using namespace runtime;

m_main::m_main() : Menu("m_main")
{
    m_图书管理.SetText("模拟考试与练习");

    m_模拟考试支队.SetText("模拟考试");
    m_模拟考试支队.Tag = "模拟考试";
    m_模拟考试支队.MicroHelp = "模拟考试";
    m_模拟考试支队.ToolbarItemVisible = false;
    m_模拟考试支队.ToolbarItemOrder = 1;
    m_模拟考试支队.ToolbarItemSpace = 1;

    m_套餐练习.SetText("套餐练习");
    m_套餐练习.ToolbarItemName = "Application!";
    m_套餐练习.ToolbarItemText = "套餐练习";

    m_错误回顾.SetText("错误回顾");
    m_错误回顾.Tag = "错误回顾";
    m_错误回顾.MicroHelp = "错误回顾";
    m_错误回顾.ToolbarItemName = "Custom006!";
    m_错误回顾.ToolbarItemText = "错误回顾";

    m_系统设置.SetText("系统设置");

    m_系统.SetText("系统帮助");

    m_关于本软件.SetText("关于本软件");

    m_隐藏导航栏.SetText("隐藏导航栏");
    m_隐藏导航栏.Tag = "隐藏导航栏";
    m_隐藏导航栏.MicroHelp = "隐藏导航栏";
    m_隐藏导航栏.ToolbarItemName = "AlignLeft!";
    m_隐藏导航栏.ToolbarItemText = "隐藏导航栏";
    m_隐藏导航栏.ToolbarItemSpace = 1;

    m_显示导航栏.SetText("显示导航栏");
    m_显示导航栏.Tag = "显示导航栏";
    m_显示导航栏.MicroHelp = "显示导航栏";
    m_显示导航栏.ToolbarItemName = "AlignRight!";
    m_显示导航栏.ToolbarItemText = "显示导航栏";

    m_退出系统.SetText("退出系统");
    m_退出系统.Tag = "退出系统";
    m_退出系统.MicroHelp = "退出系统";
    m_退出系统.ToolbarItemName = "Exit!";
    m_退出系统.ToolbarItemText = "退出系统";
    m_退出系统.ToolbarItemOrder = 2;
    m_退出系统.ToolbarItemSpace = 3;
    m_退出系统.MenuItemType = 1;

    m_模拟考试支队.clicked = [] { Open(w_login_2012); };
    m_套餐练习.clicked = [] { Open(w_tc_select11); };
    m_错误回顾.clicked = [] { Open(w_error_select); };

    m_系统设置.clicked = [] { Open(w_setup); };
    m_关于本软件.clicked = [] { Open(w_about); };
    m_隐藏导航栏.clicked = [] { w_main->ue_hide.Trigger(); };
    m_显示导航栏.clicked = [] { w_main->ue_show.Trigger(); };
    m_退出系统.clicked = [this] { Close(*m_退出系统.ParentWindow()); };
}
