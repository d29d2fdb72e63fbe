// Menus as objects: one MenuItem per item, the sub-items in Item(), shown in
// the window's menu bar. A menu class derives from Menu and declares its
// items as members, each naming the item it belongs to:
//
//     class m_main : public runtime::Menu {
//     public:
//         runtime::MenuItem m_file{*this, "m_file"};
//         runtime::MenuItem m_exit{m_file, "m_exit"};
//     };
#pragma once

#include "runtime/ui/event.h"

#include <memory>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

namespace runtime {

class Window;

class MenuItem : public PowerObject {
public:
    // Appends the item to parent's Item().
    MenuItem(MenuItem &parent, const String &name);
    ~MenuItem() override;

    const String &Text() const { return text_; }
    void SetText(const String &text);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    // Properties that the program reads as data (the toolbar and the
    // navigation bar are built from them).
    String Tag;
    String MicroHelp;
    String ToolbarItemName; // a stock picture, ending in "!"
    String ToolbarItemText;
    bool ToolbarItemVisible = true;
    int ToolbarItemOrder = 0;
    int ToolbarItemSpace = 0;
    int MenuItemType = 0;

    // The sub-items, in order.
    const std::vector<MenuItem *> &Item() const { return items_; }
    // Pops the sub-items up at x, y of the window that holds the menu (window
    // units) and returns when the pop-up has closed. Nothing for an item
    // without sub-items or a menu without a window.
    void PopMenu(int x, int y);
    // The window that holds the menu; nullptr until the menu is attached.
    Window *ParentWindow() const;
    String WindowMenuName() const override;

    Event<> clicked{this, "clicked"};
    Event<> selected{this, "selected"};

    QAction *action() const { return action_.get(); }

protected:
    // The menu itself: the root of the tree.
    explicit MenuItem(const String &name);

private:
    friend class Menu;
    QMenu *submenu();

    std::unique_ptr<QAction> action_;
    std::unique_ptr<QMenu> submenu_;
    std::vector<MenuItem *> items_;
    String text_;
    bool visible_ = true, enabled_ = true, checked_ = false;
};

class Menu : public MenuItem {
public:
    explicit Menu(const String &className);

    // Shows the top-level items in bar; done by Window::SetMenu.
    void AttachTo(Window &window, QMenuBar &bar);

private:
    Window *window_ = nullptr;
    friend class MenuItem;
};

} // namespace runtime
