// Windows: main windows, response windows (modal: the opener's script waits
// until they close) and MDI frames, each with one global instance.
//
// A window class derives from Window, declares its controls and events as
// members and sets its properties and scripts in its constructor:
//
//     class w_about : public runtime::Window {
//     public:
//         w_about();                                   // properties and scripts
//         runtime::CommandButton cb_1{*this, "cb_1"};  // controls in creation order
//     };
//     extern runtime::GlobalWindow<w_about> w_about;   // the global instance, named like the class
//
// and defines the instance in its source file as
// `runtime::GlobalWindow<class w_about> w_about;`. Open(w_about) creates the
// window, runs its open event and shows it; a second Open of an open window
// only brings it to the front.
#pragma once

#include "runtime/ui/clock.h"
#include "runtime/ui/control.h"
#include "runtime/ui/keys.h"
#include "runtime/ui/message.h"

#include <QMainWindow>

#include <any>
#include <memory>
#include <source_location>
#include <type_traits>

class QEventLoop;


namespace runtime {

class Menu;

enum class WindowType { Main, Response, MDI };
enum class WindowState { Normal, Maximized, Minimized };

class Window : public PowerObject, public ControlParent {
public:
    explicit Window(const String &className);
    ~Window() override;

    // Settings of the window's kind; set in the constructor.
    WindowType GetWindowType() const { return type_; }
    void SetWindowType(WindowType type) { type_ = type; }
    void SetTitleBar(bool on) { titleBar_ = on; }
    void SetControlMenu(bool on) { controlMenu_ = on; }
    void SetMinBox(bool on) { minBox_ = on; }
    void SetMaxBox(bool on) { maxBox_ = on; }
    void SetResizable(bool on) { resizable_ = on; }
    void SetCenter(bool on) { center_ = on; }
    void SetIcon(const String &icon) { icon_ = icon; }
    bool TitleBar() const { return titleBar_; }
    bool ControlMenu() const { return controlMenu_; }
    bool MinBox() const { return minBox_; }
    bool MaxBox() const { return maxBox_; }
    bool Resizable() const { return resizable_; }
    bool Center() const { return center_; }
    const String &Icon() const { return icon_; }

    WindowState GetWindowState() const { return state_; }
    void SetWindowState(WindowState state);

    const String &Title() const { return title_; }
    void SetTitle(const String &title);
    long BackColor() const { return backColor_; }
    void SetBackColor(long color);

    // Outer size and place, in window units. The size is the one the window
    // has on the screen, also after the user or maximizing changed it.
    // A maximized window's place is minus its border: the border lies just
    // off the screen, and the client area starts at the screen's edge.
    int X() const;
    int Y() const;
    int Width() const;
    int Height() const;
    void Move(int x, int y);
    void Resize(int width, int height);

    bool Visible() const;
    // False suspends painting of the window and its controls; true resumes it.
    void SetRedraw(bool redraw);

    // The client area that the controls share (below the menu bar), in
    // window units.
    int WorkSpaceX() const { return 0; }
    int WorkSpaceY() const { return 0; }
    int WorkSpaceWidth() const;
    int WorkSpaceHeight() const;

    // The window's menu, owned by the window.
    Menu *MenuID() const { return menu_.get(); }
    void SetMenu(std::unique_ptr<Menu> menu);

    // Fires the timer event every interval; 0 stops it.
    void Timer(double seconds);

    // True from Open until Close.
    bool IsOpen() const { return open_; }

    Event<> open{this, "open"};
    Event<> close{this, "close"};
    Event<unsigned long, int, int> resize{this, "resize"}; // sizetype, newwidth, newheight
    Event<> timer{this, "timer"};
    Event<KeyCode, unsigned> key{this, "key"}; // key, keyflags
    // A double-click on the window itself, outside its controls; the place
    // in window units.
    Event<unsigned long, int, int> doubleclicked{this, "doubleclicked"}; // flags, xpos, ypos

    QWidget *Canvas() const override;
    PowerObject &AsObject() override { return *this; }
    QMainWindow *widget() const { return host_; }
    String WindowMenuName() const override { return ClassName(); }

private:
    friend int OpenWindow(Window *window, Window **instance);
    friend int Close(Window &window);
    friend void RaiseResize(Window &window);

    void applyFlags();
    void applyTabOrder();
    void applySize();
    QSize clientPixels(int width, int height) const;
    QSize hostPixels() const;
    int footGrowth() const;
    void show();

    QMainWindow *host_;
    QWidget *canvas_;
    std::unique_ptr<Menu> menu_;
    WindowType type_ = WindowType::Main;
    WindowState state_ = WindowState::Normal;
    bool titleBar_ = true, controlMenu_ = true, minBox_ = true, maxBox_ = true;
    bool resizable_ = true, center_ = false;
    int grownPixels_ = 0; // see footGrowth
    String icon_ = "AppIcon!";
    String title_ = "Untitled";
    long backColor_ = 67108864;
    int x_ = 0, y_ = 0, width_ = 2000, height_ = 1200;

    bool open_ = false;
    bool opened_ = false; // the open event has run: resize events follow
    Window **instance_ = nullptr;
    QEventLoop *modalLoop_ = nullptr;
    Clock *timerClock_ = nullptr;
    int timerId_ = 0;
};

// The global instance of a window class: empty until the window is opened,
// empty again once it is closed.
template <class W>
class GlobalWindow {
public:
    W *operator->() const { return &get(); }
    W &operator*() const { return get(); }
    W &get() const
    {
        if (!window_)
            throw_null();
        return *static_cast<W *>(window_);
    }
    bool IsValid() const { return window_ != nullptr; }

private:
    template <class T> friend int Open(GlobalWindow<T> &instance);
    template <class T> friend int Close(GlobalWindow<T> &instance);
    [[noreturn]] static void throw_null();
    Window *window_ = nullptr;
};

// Creates, opens and shows the window (once), and for a response window
// waits until it has closed. Returns 1.
int OpenWindow(Window *window, Window **instance);

template <class W>
int Open(GlobalWindow<W> &instance)
{
    if (instance.window_)
        return OpenWindow(instance.window_, &instance.window_);
    return OpenWindow(new W, &instance.window_);
}

template <class W>
int OpenWithParm(GlobalWindow<W> &instance, const String &parm)
{
    message.StringParm = parm;
    return Open(instance);
}

template <class W>
int OpenWithParm(GlobalWindow<W> &instance, double parm)
{
    message.DoubleParm = parm;
    return Open(instance);
}

template <class W, class P>
    requires(!std::is_same_v<std::remove_cv_t<P>, char>)
int OpenWithParm(GlobalWindow<W> &instance, P *object)
{
    message.PowerObjectParm = object;
    return Open(instance);
}

// Runs the close event, hides the window and frees it once every running
// script has returned; a response window's opener goes on. Returns 1, or -1 when the
// window is not open.
int Close(Window &window);

template <class W>
int Close(GlobalWindow<W> &instance)
{
    return instance.window_ ? Close(*instance.window_) : -1;
}

int CloseWithReturn(Window &window, const String &value);
int CloseWithReturn(Window &window, double value);
template <class P>
    requires(!std::is_same_v<std::remove_cv_t<P>, char>)
int CloseWithReturn(Window &window, P *object)
{
    message.PowerObjectParm = object;
    return Close(window);
}

// Runs the window's resize event for its current work space.
void RaiseResize(Window &window);

// The open windows, in the order they were opened.
const std::vector<Window *> &OpenWindows();
// The runtime window that a widget belongs to, or nullptr.
Window *FindWindow(const QWidget *widget);

// A use of an object that does not exist; where: the code that used it.
[[noreturn]] void RaiseNullObject(std::source_location where = std::source_location::current());
template <class W>
void GlobalWindow<W>::throw_null()
{
    RaiseNullObject();
}

} // namespace runtime
