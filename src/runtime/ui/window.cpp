#include "runtime/ui/window.h"

#include "runtime/draw/colors.h"
#include "runtime/draw/units.h"
#include "runtime/script/error.h"
#include "runtime/script/script_state.h"
#include "runtime/ui/application.h"
#include "runtime/ui/icons.h"
#include "runtime/ui/menu.h"
#include "runtime/ui/native_title.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>

#include <algorithm>

namespace runtime {

namespace {

// Non-client metrics of the platform the window sizes are given for: a
// window's Width and Height include its border and title bar.
constexpr int kCaptionPixels = 26;
constexpr int kSizingBorderPixels = 4;
constexpr int kFixedBorderPixels = 3;

std::vector<Window *> &openWindows()
{
    static std::vector<Window *> windows;
    return windows;
}

// The top-level widget: hands the close box and resizes to the window.
class Host : public QMainWindow {
public:
    explicit Host(Window &window) : window_(window) {}

protected:
    void showEvent(QShowEvent *event) override
    {
        QMainWindow::showEvent(event);
        KeepEmptyTitleEmpty(this);
    }
    void closeEvent(QCloseEvent *event) override
    {
        if (window_.IsOpen())
            Close(window_);
        event->accept();
    }

private:
    Window &window_;
};

class CanvasWidget : public QWidget {
public:
    explicit CanvasWidget(Window &window) : window_(window) {}

protected:
    void resizeEvent(QResizeEvent *) override { RaiseResize(window_); }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        const QPoint at = event->position().toPoint();
        window_.doubleclicked.Trigger(0, PixelsToUnitsX(at.x()), PixelsToUnitsY(at.y()));
    }

private:
    Window &window_;
};

} // namespace

Window::Window(const String &className)
    : PowerObject(className), host_(new Host(*this)), canvas_(new CanvasWidget(*this))
{
    host_->setCentralWidget(canvas_);
    canvas_->setAutoFillBackground(true);
    SetBackColor(backColor_);
    host_->setWindowTitle(ToQString(title_));
}

Window::~Window()
{
    if (timerId_)
        timerClock_->Stop(timerId_);
    std::erase(openWindows(), this);
    if (instance_ && *instance_ == this)
        *instance_ = nullptr;
    menu_.reset();
    // The controls (members of the derived class) are gone already.
    delete host_;
}

QWidget *Window::Canvas() const { return canvas_; }

void Window::SetWindowState(WindowState state)
{
    state_ = state;
    if (!open_)
        return;
    switch (state) {
    case WindowState::Maximized: host_->showMaximized(); break;
    case WindowState::Minimized: host_->showMinimized(); break;
    case WindowState::Normal: host_->showNormal(); break;
    }
}

void Window::SetTitle(const String &title)
{
    title_ = title;
    host_->setWindowTitle(ToQString(title));
    KeepEmptyTitleEmpty(host_);
}

void Window::SetBackColor(long color)
{
    backColor_ = color;
    QPalette p = canvas_->palette();
    const QColor c = ToQColor(color);
    p.setColor(QPalette::Window, c.isValid() ? c : ToQColor(kButtonFace));
    canvas_->setPalette(p);
}

void Window::Move(int x, int y)
{
    x_ = x;
    y_ = y;
    host_->move(UnitsToPixelsX(x), UnitsToPixelsY(y));
}

void Window::Resize(int width, int height)
{
    width_ = width;
    height_ = height;
    applySize();
}

bool Window::Visible() const { return host_->isVisible(); }

void Window::SetRedraw(bool redraw)
{
    canvas_->setUpdatesEnabled(redraw);
    if (redraw)
        canvas_->update();
}

int Window::WorkSpaceWidth() const { return PixelsToUnitsX(canvas_->width()); }

int Window::WorkSpaceHeight() const { return PixelsToUnitsY(canvas_->height()); }

void Window::SetMenu(std::unique_ptr<Menu> menu)
{
    menu_ = std::move(menu);
    if (!menu_) {
        host_->setMenuBar(nullptr);
        return;
    }
    auto *bar = new QMenuBar;
    menu_->AttachTo(*this, *bar);
    host_->setMenuBar(bar);
    applySize();
}

void Window::Timer(double seconds)
{
    if (timerId_) {
        timerClock_->Stop(timerId_);
        timerId_ = 0;
    }
    if (seconds <= 0)
        return;
    timerClock_ = &CurrentClock();
    timerId_ = timerClock_->Start(Milliseconds(static_cast<long long>(seconds * 1000 + 0.5)),
                                  [this] { timer.Trigger(); });
}

void Window::applyFlags()
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (titleBar_)
        flags |= Qt::WindowTitleHint;
    if (controlMenu_)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minBox_)
        flags |= Qt::WindowMinimizeButtonHint;
    if (maxBox_)
        flags |= Qt::WindowMaximizeButtonHint;
    host_->setWindowFlags(flags);
    const QIcon icon = StockIcon(icon_);
    if (!icon.isNull())
        host_->setWindowIcon(icon);
}

// The size of the top-level widget for an outer size in units: the outer
// size less the border and the title bar.
QSize Window::clientPixels(int width, int height) const
{
    const int border = resizable_ ? kSizingBorderPixels : kFixedBorderPixels;
    const int caption = titleBar_ ? kCaptionPixels : 0;
    return {std::max(1, UnitsToPixelsX(width) - 2 * border), std::max(1, UnitsToPixelsY(height) - 2 * border - caption)};
}

// A window of fixed size was laid out for a title bar and border that may be
// narrower than the ones assumed here, so it grows, by no more than a title
// bar, until every control shown in it lies inside whole: captions along its
// foot are not cut off.
int Window::footGrowth() const
{
    if (resizable_)
        return 0;
    QRect extent;
    for (Control *control : Controls())
        if (control->Visible())
            extent |= control->widget()->geometry();
    const int menu = host_->menuWidget() ? host_->menuWidget()->sizeHint().height() : 0;
    return std::clamp(extent.bottom() + 1 + menu - clientPixels(width_, height_).height(), 0, kCaptionPixels);
}

// The size of the top-level widget.
QSize Window::hostPixels() const { return clientPixels(width_, height_) + QSize(0, grownPixels_); }

int Window::X() const
{
    if (!host_->isVisible() || !host_->isMaximized())
        return x_;
    return PixelsToUnitsX(-(resizable_ ? kSizingBorderPixels : kFixedBorderPixels));
}

int Window::Y() const
{
    if (!host_->isVisible() || !host_->isMaximized())
        return y_;
    return PixelsToUnitsY(-(resizable_ ? kSizingBorderPixels : kFixedBorderPixels));
}

int Window::Width() const
{
    if (!host_->isVisible() || host_->width() == hostPixels().width())
        return width_;
    const int border = resizable_ ? kSizingBorderPixels : kFixedBorderPixels;
    return PixelsToUnitsX(host_->width() + 2 * border);
}

int Window::Height() const
{
    if (!host_->isVisible() || host_->height() == hostPixels().height())
        return height_;
    const int border = resizable_ ? kSizingBorderPixels : kFixedBorderPixels;
    const int caption = titleBar_ ? kCaptionPixels : 0;
    return PixelsToUnitsY(host_->height() + 2 * border + caption);
}

void Window::applySize()
{
    grownPixels_ = footGrowth();
    const QSize size = hostPixels();
    if (resizable_) {
        host_->setMinimumSize(0, 0);
        host_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        host_->resize(size);
    } else {
        host_->setFixedSize(size);
    }
    // Lay the menu bar and the work space out now, so that the open event
    // reads the work space it will have.
    if (host_->layout())
        host_->layout()->activate();
}

void Window::applyTabOrder()
{
    std::vector<Control *> order;
    for (Control *control : Controls())
        if (control->TabOrder() > 0)
            order.push_back(control);
    std::stable_sort(order.begin(), order.end(),
                     [](const Control *a, const Control *b) { return a->TabOrder() < b->TabOrder(); });
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
    // The first control in the tab order that takes the focus gets it.
    for (Control *control : order)
        if (control->widget()->focusPolicy() != Qt::NoFocus) {
            control->widget()->setFocus();
            break;
        }
}

void Window::show()
{
    if (type_ == WindowType::Response)
        host_->setWindowModality(Qt::ApplicationModal);
    if (center_ && state_ == WindowState::Normal) {
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            const QSize outer = host_->frameGeometry().size();
            host_->move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
        }
    }
    switch (state_) {
    case WindowState::Maximized:
        // The whole work area even where no window manager maximizes.
        if (QScreen *screen = QGuiApplication::primaryScreen())
            host_->setGeometry(screen->availableGeometry());
        host_->showMaximized();
        break;
    case WindowState::Minimized: host_->showMinimized(); break;
    case WindowState::Normal: host_->show(); break;
    }
    host_->raise();
    host_->activateWindow();
}

int OpenWindow(Window *window, Window **instance)
{
    if (window->open_) {
        window->host_->raise();
        window->host_->activateWindow();
        return 1;
    }
    window->instance_ = instance;
    *instance = window;
    window->open_ = true;
    openWindows().push_back(window);
    window->applyFlags();
    window->applySize();

    for (Control *control : window->Controls())
        control->constructor.Trigger();
    // The first focus and the window's first showing see the controls as
    // the scripts left them.
    ShowPendingVisibility();
    window->applyTabOrder();
    window->open.Trigger();
    window->opened_ = true;
    if (!window->open_) // closed by its own open event
        return 1;
    ShowPendingVisibility();
    window->show();
    RaiseResize(*window);

    if (window->type_ == WindowType::Response) {
        QEventLoop loop;
        QPointer<Window> guard(window);
        window->modalLoop_ = &loop;
        RunNestedLoop([&] { loop.exec(QEventLoop::DialogExec); });
        if (guard)
            guard->modalLoop_ = nullptr;
    }
    return 1;
}

int Close(Window &window)
{
    if (!window.open_)
        return -1;
    window.close.Trigger();
    if (!window.open_) // closed from its own close event
        return 1;
    window.open_ = false;
    window.Timer(0);
    for (Control *control : window.Controls())
        control->destructor.Trigger();
    window.host_->hide();
    // What showing the window took goes back now (the image it was painted
    // into, its pictures): the window itself is freed only once the scripts
    // have returned, and a window they opened may be painted first.
    if (QBackingStore *store = window.host_->backingStore())
        store->resize({1, 1});
    for (Control *control : window.Controls())
        control->WindowClosed();
    std::erase(openWindows(), &window);
    if (window.instance_ && *window.instance_ == &window)
        *window.instance_ = nullptr;
    window.instance_ = nullptr;
    if (window.modalLoop_)
        window.modalLoop_->quit();
    WhenScriptsHaveReturned([freed = QPointer<Window>(&window)] {
        if (freed)
            freed->deleteLater();
    });
    if (openWindows().empty())
        detail::LastWindowClosed();
    return 1;
}

int CloseWithReturn(Window &window, const String &value)
{
    message.StringParm = value;
    return Close(window);
}

int CloseWithReturn(Window &window, double value)
{
    message.DoubleParm = value;
    return Close(window);
}

void RaiseResize(Window &window)
{
    if (window.opened_ && window.open_)
        window.resize.Trigger(0, window.WorkSpaceWidth(), window.WorkSpaceHeight());
}

const std::vector<Window *> &OpenWindows() { return openWindows(); }

Window *FindWindow(const QWidget *widget)
{
    if (!widget)
        return nullptr;
    const QWidget *top = widget->window();
    for (Window *w : openWindows())
        if (w->widget() == top)
            return w;
    return nullptr;
}

void RaiseNullObject(std::source_location where) { Raise(ErrorNumber::NullObjectReference, where); }

} // namespace runtime
