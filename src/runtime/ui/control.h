// Controls: the child widgets of a window or user object, placed and sized
// in window units.
//
// A window declares its controls as members, in creation order:
//
//     runtime::StaticText st_1{*this, "st_1"};
//     runtime::CommandButton cb_1{*this, "cb_1"};
//
// and sets their properties and scripts in its constructor.
#pragma once

#include "runtime/script/script_state.h"
#include "runtime/ui/event.h"
#include "runtime/ui/fonts.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

namespace runtime {

class Control;
class Window;

// What controls stand on: a window or a user object.
class ControlParent {
public:
    virtual ~ControlParent() = default;

    // The widget the controls are children of.
    virtual QWidget *Canvas() const = 0;
    // The parent as an object: the window or the user object itself.
    virtual PowerObject &AsObject() = 0;
    // The controls in creation order.
    const std::vector<Control *> &Controls() const { return controls_; }

private:
    friend class Control;
    friend void AdoptControl(ControlParent &parent, std::unique_ptr<Control> control);
    friend int CloseUserObject(ControlParent &parent, Control &control);
    std::vector<Control *> controls_;
    // Controls that scripts opened at run time; they go before the list above.
    std::vector<std::unique_ptr<Control>> opened_;
};

class Control : public PowerObject, private DeferredVisibility {
public:
    // Takes ownership of widget and makes it a child of the parent's canvas.
    Control(ControlParent &parent, const String &name, QWidget *widget);
    ~Control() override;

    int X() const { return x_; }
    int Y() const { return y_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetX(int x) { Move(x, y_); }
    void SetY(int y) { Move(x_, y); }
    void SetWidth(int width) { Resize(width, height_); }
    void SetHeight(int height) { Resize(width_, height); }
    virtual void Move(int x, int y);
    virtual void Resize(int width, int height);

    // Inside a script, the widget is shown or hidden when the script returns
    // to its event loop (or sooner, where the focus moves or a window or loop
    // opens): a control hidden and shown again by one script never leaves the
    // screen. Visible() reads what the script set at every moment.
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    virtual bool Enabled() const;
    virtual void SetEnabled(bool enabled);
    // True puts the control in front of its siblings, false behind them.
    void SetBringToTop(bool top);
    void SetFocus();
    // False stops the control's painting; true resumes it and repaints it at
    // once, over anything drawn onto it from outside.
    void SetRedraw(bool redraw);

    long TextColor() const { return textColor_; }
    long BackColor() const { return backColor_; }
    void SetTextColor(long color);
    void SetBackColor(long color);
    const Font &GetFont() const { return font_; }
    void SetFont(const Font &font);
    // The mouse pointer by its stock name ("HyperLink!", "Arrow!", ...).
    void SetPointer(const String &pointer);
    // Free text that the program keeps with the control.
    const String &Tag() const { return tag_; }
    void SetTag(const String &tag) { tag_ = tag; }
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order) { tabOrder_ = order; }

    // The window the control stands in, through any user objects.
    Window *ParentWindow() const;
    // Called once the control's window has closed for good: lets go of what
    // only showing the control needed.
    virtual void WindowClosed() {}
    QWidget *widget() const { return widget_; }

    Event<> constructor{this, "constructor"};
    Event<> destructor{this, "destructor"};

protected:
    // Applies the colours to the widget; controls with their own colour
    // roles override it.
    virtual void applyColors();
    // False for a control whose widget is also shown and hidden, and read,
    // directly (a data window): it follows SetVisible at once.
    virtual bool defersVisibility() const { return true; }

private:
    void ApplyVisibility() override;
    ControlParent *owner_;
    QPointer<QWidget> widget_;
    int x_ = 0, y_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    long textColor_ = 33554432; // window text
    long backColor_ = 67108864; // button face
    Font font_;
    int tabOrder_ = 0;
    String tag_;
};

} // namespace runtime
