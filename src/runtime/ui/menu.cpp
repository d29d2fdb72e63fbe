#include "runtime/ui/menu.h"

#include "runtime/draw/units.h"
#include "runtime/script/script_state.h"
#include "runtime/ui/window.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace runtime {

MenuItem::MenuItem(const String &name) : PowerObject(name), action_(std::make_unique<QAction>()) {}

MenuItem::MenuItem(MenuItem &parent, const String &name) : PowerObject(name, &parent), action_(std::make_unique<QAction>())
{
    parent.items_.push_back(this);
    parent.submenu()->addAction(action_.get());
    QObject::connect(action_.get(), &QAction::triggered, this, [this] {
        // An item with sub-items only drops them down.
        if (items_.empty())
            clicked.Trigger();
    });
}

MenuItem::~MenuItem() = default;

QMenu *MenuItem::submenu()
{
    if (!submenu_) {
        submenu_ = std::make_unique<QMenu>();
        action_->setMenu(submenu_.get());
    }
    return submenu_.get();
}

void MenuItem::SetText(const String &text)
{
    text_ = text;
    QString shown = ToQString(text);
    shown.replace('&', QStringLiteral("&&")); // no accelerator characters
    action_->setText(shown);
    if (text == "-")
        action_->setSeparator(true);
    if (submenu_)
        submenu_->setTitle(shown);
}

void MenuItem::SetVisible(bool visible)
{
    visible_ = visible;
    action_->setVisible(visible);
}

void MenuItem::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    action_->setEnabled(enabled);
}

void MenuItem::SetChecked(bool checked)
{
    checked_ = checked;
    action_->setCheckable(checked || action_->isCheckable());
    action_->setChecked(checked);
}

Window *MenuItem::ParentWindow() const
{
    const PowerObject *p = this;
    while (p->GetParent())
        p = p->GetParent();
    return static_cast<const Menu *>(p)->window_;
}

String MenuItem::WindowMenuName() const
{
    const PowerObject *p = this;
    while (p->GetParent())
        p = p->GetParent();
    return p->ClassName();
}

Menu::Menu(const String &className) : MenuItem(className) {}

void Menu::AttachTo(Window &window, QMenuBar &bar)
{
    window_ = &window;
    for (MenuItem *item : Item())
        bar.addAction(item->action());
}

} // namespace runtime

namespace runtime {

void MenuItem::PopMenu(int x, int y)
{
    Window *window = ParentWindow();
    if (items_.empty() || !window)
        return;
    const QPoint at(UnitsToPixelsX(x), UnitsToPixelsY(y));
    RunNestedLoop([&] { submenu()->exec(window->Canvas()->mapToGlobal(at)); });
}

} // namespace runtime
