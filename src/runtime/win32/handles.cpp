#include "runtime/win32/handles.h"

#include "runtime/ui/control.h"
#include "runtime/ui/window.h"

#include <QPointer>
#include <QWidget>

#include <unordered_map>

namespace runtime {

namespace {

constexpr const char *kHandleProperty = "runtime_window_handle";

std::unordered_map<WindowHandle, QPointer<QWidget>> &table()
{
    static std::unordered_map<WindowHandle, QPointer<QWidget>> handles;
    return handles;
}

} // namespace

WindowHandle HandleOf(QWidget *widget)
{
    if (!widget)
        return 0;
    const QVariant known = widget->property(kHandleProperty);
    if (known.isValid())
        return known.value<WindowHandle>();
    // Handles count up from a value no small test number collides with.
    static WindowHandle next = 0x10000;
    const WindowHandle handle = next;
    next += 4;
    widget->setProperty(kHandleProperty, QVariant::fromValue(handle));
    table()[handle] = widget;
    QObject::connect(widget, &QObject::destroyed, [handle] { table().erase(handle); });
    return handle;
}

QWidget *WidgetOf(WindowHandle handle)
{
    const auto found = table().find(handle);
    return found == table().end() ? nullptr : found->second.data();
}

WindowHandle Handle(const Control &control) { return HandleOf(control.widget()); }

WindowHandle Handle(const Window &window) { return HandleOf(window.Canvas()); }

} // namespace runtime
