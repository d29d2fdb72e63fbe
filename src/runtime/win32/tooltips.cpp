#include "runtime/win32/tooltips.h"

#include "runtime/draw/colors.h"
#include "runtime/ui/application.h"
#include "runtime/ui/fonts.h"
#include "runtime/win32/gdi_context.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <functional>
#include <vector>

namespace runtime {

namespace {

// The tip: a one-pixel black frame, then this much room around the text.
constexpr int kFrame = 1;
constexpr int kMarginX = 3;
constexpr int kMarginY = 2;

// The font of tips until the program sets another.
QFont UsualFont() { return ToQFont(Font{"宋体", 9, 400, kGB2312CharSet}); }

bool Contains(const Rect &rect, QPoint at)
{
    return at.x() >= rect.left && at.x() < rect.right && at.y() >= rect.top && at.y() < rect.bottom;
}

// A timer on the runtime's clock that fires once, or every interval until
// stopped. The tip window lives as long as the program, while a test's clock
// may come and go: a timer left on a clock that is no longer the one in use
// is forgotten rather than stopped (that clock may be gone, and its timers
// with it), and should it still tick, the tick finds itself stale and does
// nothing.
class ClockTimer {
public:
    ClockTimer() = default;
    ClockTimer(const ClockTimer &) = delete;
    ClockTimer &operator=(const ClockTimer &) = delete;
    ~ClockTimer() { Stop(); }

    void Start(Milliseconds interval, std::function<void()> fire, bool repeat = false)
    {
        Stop();
        clock_ = &CurrentClock();
        const unsigned serial = serial_;
        id_ = clock_->Start(interval, [this, serial, repeat, fire = std::move(fire)] {
            if (serial != serial_)
                return;
            const std::function<void()> run = fire; // outlives a stop from within
            if (!repeat)
                Stop();
            run();
        });
    }
    void Stop()
    {
        if (id_ && clock_ == &CurrentClock())
            clock_->Stop(id_);
        id_ = 0;
        ++serial_;
    }
    bool Running() const { return id_ != 0; }

private:
    Clock *clock_ = nullptr;
    int id_ = 0;
    unsigned serial_ = 0;
};

class ToolTipWindow : public QWidget {
public:
    ToolTipWindow() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        font_ = UsualFont();
        // A press anywhere in the program ends the tip under the pointer.
        qApp->installEventFilter(this);
        // One that an object keeps for the program's whole run goes with the
        // application.
        DestroyWithApplication(this);
    }

    void addTool(const ToolInfo &tool) { tools_.push_back(tool); }

    void relay(WindowHandle window, Point pos)
    {
        if (tracked_ >= 0)
            return;
        QWidget *widget = WidgetOf(window);
        const int hit = toolAt(window, QPoint(int(pos.x), int(pos.y)));
        if (!widget || hit < 0) {
            leave();
            return;
        }
        const QPoint pointer = widget->mapToGlobal(QPoint(int(pos.x), int(pos.y)));
        if (hit != hover_) {
            hideHoverTip();
            hover_ = hit;
            pointer_ = pointer;
            grace_.Stop();
            wait(reshowing_ ? kToolTipReshowDelay : kToolTipInitialDelay);
            leaveWatch_.Start(kToolTipReshowDelay, [this] { watchPointer(); }, true);
            return;
        }
        if (pointer == pointer_)
            return;
        pointer_ = pointer;
        // The tip comes only once the pointer rests, and stays while it moves.
        if (shown_ == hit)
            autoPop_.Start(kToolTipAutoPop, [this] { autoPop(); });
        else if (show_.Running() && waitingFor_ == kToolTipInitialDelay)
            wait(kToolTipInitialDelay);
    }

    void setText(WindowHandle window, long id, const String &text)
    {
        const int i = toolOf(window, id);
        if (i < 0)
            return;
        tools_[i].text = text;
        if (i == tracked_)
            showTracked();
        else if (i == shown_ && text.empty())
            hideHoverTip();
        else if (i == shown_)
            setTip(i);
    }

    void setRect(WindowHandle window, long id, const Rect &rect)
    {
        if (const int i = toolOf(window, id); i >= 0)
            tools_[i].rect = rect;
    }

    void track(WindowHandle window, long id, bool on)
    {
        if (!on) {
            if (tracked_ >= 0)
                hide();
            tracked_ = -1;
            return;
        }
        const int i = toolOf(window, id);
        if (i < 0)
            return;
        // The tracking tip takes the window: what the pointer showed gives way.
        stopHover();
        tracked_ = i;
        showTracked();
    }

    void trackPosition(Point screen)
    {
        trackAt_ = QPoint(int(screen.x), int(screen.y));
        if (tracked_ >= 0 && isVisible())
            move(trackAt_);
    }

    void setTipFont(GdiObject font)
    {
        const auto found = gdi_detail::tables().fontOf.find(font);
        font_ = found == gdi_detail::tables().fontOf.end() ? UsualFont() : found->second;
        if (tracked_ >= 0 || shown_ >= 0)
            setTip(tracked_ >= 0 ? tracked_ : shown_);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), ToQColor(GetSysColor(SystemColor::InfoBackground)));
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setFont(font_);
        painter.drawText(textArea(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            pressed();
        return false;
    }

private:
    QRect textArea() const
    {
        return rect().adjusted(kFrame + kMarginX, kFrame + kMarginY, -(kFrame + kMarginX), -(kFrame + kMarginY));
    }

    // The latest registered tool of window that lies under at and that the
    // pointer shows; -1 when there is none.
    int toolAt(WindowHandle window, QPoint at) const
    {
        for (int i = int(tools_.size()) - 1; i >= 0; --i)
            if (tools_[i].window == window && !(tools_[i].flags & kToolTrack) && Contains(tools_[i].rect, at))
                return i;
        return -1;
    }

    int toolOf(WindowHandle window, long id) const
    {
        for (int i = int(tools_.size()) - 1; i >= 0; --i)
            if (tools_[i].window == window && tools_[i].id == id)
                return i;
        return -1;
    }

    // Whether the pointer, where the program last saw it, is still over tool i.
    bool pointerOver(int i) const
    {
        QWidget *widget = WidgetOf(tools_[i].window);
        if (!widget || !widget->isVisible())
            return false;
        Point at;
        GetCursorPos(at);
        return Contains(tools_[i].rect, widget->mapFromGlobal(QPoint(int(at.x), int(at.y))));
    }

    void wait(Milliseconds delay)
    {
        waitingFor_ = delay;
        show_.Start(delay, [this] { showHoverTip(); });
    }

    void showHoverTip()
    {
        if (!pointerOver(hover_)) {
            leave();
            return;
        }
        if (tools_[hover_].text.empty())
            return;
        setTip(hover_);
        // Below the pointer, kept on the screen: moved left, or above the
        // pointer when there is no room below.
        const QRect screen = screenAt(pointer_);
        QPoint at = pointer_ + QPoint(0, kToolTipBelowPointer);
        at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - width())));
        if (at.y() + height() > screen.bottom() + 1)
            at.setY(pointer_.y() - height());
        showAt(at);
        shown_ = hover_;
        reshowing_ = true;
        autoPop_.Start(kToolTipAutoPop, [this] { autoPop(); });
    }

    QRect screenAt(QPoint at) const
    {
        const QScreen *screen = QGuiApplication::screenAt(at);
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        return screen ? screen->availableGeometry() : QRect(at, QSize(1, 1));
    }

    // Takes tool i's text and the size it needs in the tip's font.
    void setTip(int i)
    {
        text_ = ToQString(tools_[i].text);
        const QFontMetrics metrics(font_);
        resize(metrics.horizontalAdvance(text_) + 2 * (kFrame + kMarginX), metrics.height() + 2 * (kFrame + kMarginY));
        update();
    }

    void showAt(QPoint topLeft)
    {
        move(topLeft);
        show();
    }

    void showTracked()
    {
        if (tools_[tracked_].text.empty()) {
            hide();
            return;
        }
        setTip(tracked_);
        showAt(trackAt_);
    }

    void hideHoverTip()
    {
        if (shown_ >= 0)
            hide();
        shown_ = -1;
    }

    void autoPop()
    {
        hideHoverTip();
        reshowing_ = false;
    }

    void watchPointer()
    {
        if (hover_ >= 0 && !pointerOver(hover_))
            leave();
    }

    // The pointer is over no tool. A tip that showed lets the next one come
    // quickly for a while.
    void leave()
    {
        const bool wasShown = shown_ >= 0;
        hideHoverTip();
        show_.Stop();
        autoPop_.Stop();
        leaveWatch_.Stop();
        hover_ = -1;
        if (wasShown)
            grace_.Start(kToolTipInitialDelay, [this] { reshowing_ = false; });
        else if (!grace_.Running())
            reshowing_ = false;
    }

    // A press hides the tip; it stays hidden until the pointer enters a tool
    // again, and the next one waits the whole initial delay.
    void pressed()
    {
        if (tracked_ >= 0)
            return;
        hideHoverTip();
        show_.Stop();
        autoPop_.Stop();
        grace_.Stop();
        reshowing_ = false;
    }

    void stopHover()
    {
        leave();
        grace_.Stop();
        reshowing_ = false;
    }

    std::vector<ToolInfo> tools_;
    QFont font_;
    QString text_;
    int hover_ = -1;   // the tool the pointer is over
    int shown_ = -1;   // the tool whose tip the pointer brought up
    int tracked_ = -1; // the tool whose tracking tip is on
    QPoint pointer_;   // where the pointer was last relayed, on the screen
    QPoint trackAt_;
    bool reshowing_ = false; // a tip showed lately: the next comes after the reshow delay
    Milliseconds waitingFor_{0};
    ClockTimer show_, autoPop_, leaveWatch_, grace_;
};

ToolTipWindow *TipOf(WindowHandle tooltips) { return dynamic_cast<ToolTipWindow *>(WidgetOf(tooltips)); }

} // namespace

WindowHandle CreateToolTipWindow()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return 0;
    return HandleOf(new ToolTipWindow);
}

bool DestroyToolTipWindow(WindowHandle tooltips)
{
    ToolTipWindow *tip = TipOf(tooltips);
    if (!tip)
        return false;
    // Once the application has gone, its windows went with it.
    if (QCoreApplication::instance())
        delete tip;
    return true;
}

bool AddTool(WindowHandle tooltips, const ToolInfo &tool)
{
    ToolTipWindow *tip = TipOf(tooltips);
    if (!tip || !WidgetOf(tool.window))
        return false;
    tip->addTool(tool);
    return true;
}

void RelayMouseMove(WindowHandle tooltips, WindowHandle window, Point pos)
{
    if (ToolTipWindow *tip = TipOf(tooltips))
        tip->relay(window, pos);
}

void UpdateTipText(WindowHandle tooltips, WindowHandle window, long id, const String &text)
{
    if (ToolTipWindow *tip = TipOf(tooltips))
        tip->setText(window, id, text);
}

void NewToolRect(WindowHandle tooltips, WindowHandle window, long id, const Rect &rect)
{
    if (ToolTipWindow *tip = TipOf(tooltips))
        tip->setRect(window, id, rect);
}

void TrackActivate(WindowHandle tooltips, WindowHandle window, long id, bool on)
{
    if (ToolTipWindow *tip = TipOf(tooltips))
        tip->track(window, id, on);
}

void TrackPosition(WindowHandle tooltips, Point screen)
{
    if (ToolTipWindow *tip = TipOf(tooltips))
        tip->trackPosition(screen);
}

void SetToolTipFont(WindowHandle tooltips, GdiObject font)
{
    if (ToolTipWindow *tip = TipOf(tooltips))
        tip->setTipFont(font);
}

} // namespace runtime
