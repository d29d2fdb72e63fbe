#include "runtime/ui/control.h"

#include "runtime/draw/colors.h"
#include "runtime/draw/units.h"
#include "runtime/ui/screen_drawing.h"
#include "runtime/ui/window.h"

namespace runtime {

Control::Control(ControlParent &parent, const String &name, QWidget *widget)
    : PowerObject(name, &parent.AsObject()), owner_(&parent), widget_(widget)
{
    widget->setParent(parent.Canvas());
    widget->setFont(ToQFont(font_));
    // A new control goes behind the ones created before it: the first
    // control of a window is in front.
    widget->lower();
    widget->show();
    parent.controls_.push_back(this);
    applyColors();
}

Control::~Control()
{
    WithdrawVisibility();
    std::erase(owner_->controls_, this);
    delete widget_;
}

void Control::Move(int x, int y)
{
    x_ = x;
    y_ = y;
    widget_->move(UnitsToPixelsX(x), UnitsToPixelsY(y));
}

void Control::Resize(int width, int height)
{
    width_ = width;
    height_ = height;
    widget_->resize(std::max(0, UnitsToPixelsX(width)), std::max(0, UnitsToPixelsY(height)));
}

void Control::SetVisible(bool visible)
{
    visible_ = visible;
    if (ScriptRunning() && defersVisibility())
        DeferVisibility();
    else
        ApplyVisibility();
}

void Control::ApplyVisibility()
{
    if (widget_ && widget_->isHidden() == visible_)
        widget_->setVisible(visible_);
}

bool Control::Enabled() const { return widget_->isEnabled(); }
void Control::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }

void Control::SetBringToTop(bool top)
{
    if (top)
        widget_->raise();
    else
        widget_->lower();
}

void Control::SetFocus()
{
    // The focus goes where it would with every control as the script left it.
    ShowPendingVisibility();
    widget_->setFocus();
}

void Control::SetRedraw(bool redraw)
{
    widget_->setUpdatesEnabled(redraw);
    if (redraw) {
        ClearScreenDrawing(widget_);
        widget_->update();
    }
}

void Control::SetTextColor(long color)
{
    textColor_ = color;
    applyColors();
}

void Control::SetBackColor(long color)
{
    backColor_ = color;
    applyColors();
}

void Control::applyColors()
{
    QPalette p = widget_->palette();
    const QColor text = ToQColor(textColor_);
    if (text.isValid()) {
        // A control's own text colour shows while it is enabled; a disabled
        // one draws its text in the desktop's grey, whatever colour it was
        // given, so that it looks disabled.
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            p.setColor(group, QPalette::WindowText, text);
            p.setColor(group, QPalette::ButtonText, text);
            p.setColor(group, QPalette::Text, text);
        }
    }
    const QColor back = ToQColor(backColor_);
    widget_->setAutoFillBackground(back.isValid());
    if (back.isValid()) {
        p.setColor(QPalette::Window, back);
        p.setColor(QPalette::Button, back);
    }
    widget_->setPalette(p);
}

void Control::SetFont(const Font &font)
{
    font_ = font;
    widget_->setFont(ToQFont(font));
}

void Control::SetPointer(const String &pointer)
{
    const String p = Lower(pointer);
    if (p == "hyperlink!")
        widget_->setCursor(Qt::PointingHandCursor);
    else if (p == "hourglass!")
        widget_->setCursor(Qt::WaitCursor);
    else if (p == "beam!")
        widget_->setCursor(Qt::IBeamCursor);
    else
        widget_->unsetCursor();
}

Window *Control::ParentWindow() const
{
    for (PowerObject *p = GetParent(); p; p = p->GetParent())
        if (auto *w = dynamic_cast<Window *>(p))
            return w;
    return nullptr;
}

} // namespace runtime
