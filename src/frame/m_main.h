// The frame's menu: the map of the program's functions. The toolbar and the
// navigation bar are built from its items.
#pragma once

#include "runtime/ui/menu.h"

class m_main : public runtime::Menu {
public:
    m_main();

    runtime::MenuItem m_图书管理{*this, "m_图书管理"};
    runtime::MenuItem m_模拟考试支队{m_图书管理, "m_模拟考试支队"};
    runtime::MenuItem m_套餐练习{m_图书管理, "m_套餐练习"};
    runtime::MenuItem m_错误回顾{m_图书管理, "m_错误回顾"};
    runtime::MenuItem m_系统设置{m_图书管理, "m_系统设置"};
    runtime::MenuItem m_系统{*this, "m_系统"};
    runtime::MenuItem m_关于本软件{m_系统, "m_关于本软件"};
    runtime::MenuItem m_隐藏导航栏{m_系统, "m_隐藏导航栏"};
    runtime::MenuItem m_显示导航栏{m_系统, "m_显示导航栏"};
    runtime::MenuItem m_退出系统{m_系统, "m_退出系统"};
};
