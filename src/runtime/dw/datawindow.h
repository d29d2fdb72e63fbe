// The data window control: a data store that a window shows.
//
// It paints its data object's bands with their rows, repeats the detail
// band down the control and scrolls it with a vertical scroll bar when the
// rows do not fit, and sideways with a horizontal one when the objects are
// wider than the control. Columns with a tab order above 0 can be typed into: a
// click puts an edit field over the column, Tab moves to the next one, and
// AcceptText (also done by Update) takes the typed text into the row.
//
// Geometry is in window units. The scripts' events are plain function
// members; an unset member means the control has no script for the event.
#pragma once

#include "runtime/dw/datastore.h"
#include "runtime/dw/render.h"

#include <QWidget>

#include <functional>

class QLineEdit;
class QScrollBar;

namespace runtime {

class DataWindow : public QWidget, public DataStore {
    Q_OBJECT

public:
    explicit DataWindow(QWidget *parent = nullptr);
    ~DataWindow() override;

    // Position and size in window units.
    int X() const { return x_; }
    int Y() const { return y_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetX(int x);
    void SetY(int y);
    void SetWidth(int width);
    void SetHeight(int height);
    void Move(int x, int y);
    void Resize(int width, int height);

    bool Visible() const { return !isHidden(); }
    void SetVisible(bool visible) { setVisible(visible); }
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    // A lowered frame around the control.
    void SetBorder(bool border);
    // Whether the vertical scroll bar shows when the rows do not fit.
    void SetVScrollBar(bool shown);
    // Whether the horizontal scroll bar shows when the objects do not fit.
    void SetHScrollBar(bool shown);
    // How far the view is scrolled sideways, in horizontal window units.
    int HorizontalScrollPosition() const { return hscroll_; }
    void SetHorizontalScrollPosition(int position);

    // Prints all rows through the print handler (print.h).
    long Print();
    long AcceptText() override;

    // Scripts' events. xpos and ypos are pixels in the control, row is the
    // row under the pointer (0 outside the detail rows), objectName the name
    // of the presentation object clicked ("" for none).
    std::function<void(int xpos, int ypos, long row, const String &objectName)> clicked;
    std::function<void(int xpos, int ypos, long row, const String &objectName)> doubleclicked;
    std::function<void(long currentRow)> rowfocuschanged;
    std::function<void(long scrollPosition)> scrollvertical;
    std::function<void()> getfocus;
    std::function<void()> losefocus;
    std::function<void()> rbuttondown;

    // Sends a click at a point given in pixels, as the mouse would.
    void clickAt(const QPoint &point);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    int visibleDetailHeight() const override;
    void contentChanged() override;
    void objectsChanged() override;
    void objectsRecoloured(const std::vector<const DrawObject *> &objects) override;
    void rowFocusChanged(long row) override;
    void scrolled(long position) override;

private:
    struct Hit {
        long row = 0;
        String object;
    };
    Hit hitTest(const QPoint &point) const;
    void press(const QPoint &point);
    int viewWidthUnits() const;
    int viewHeightUnits() const;
    int frameWidth() const { return border_ ? 2 : 0; }
    // The right edge of the rightmost object, in horizontal window units.
    int contentWidthUnits() const;
    void placeGeometry();
    void syncScrollBar();
    // Opens the edit field over a column of a row; false when it cannot be typed into.
    bool startEdit(long row, const String &column);
    void moveEdit(bool forward);
    void closeEdit();
    std::vector<String> tabColumns() const;
    bool ownsFocus(QWidget *widget) const;
    // The focus left the control or its edit field for the reason given.
    void focusLeft(Qt::FocusReason reason);

    int x_ = 0, y_ = 0, width_ = 0, height_ = 0;
    bool border_ = false;
    bool vscrollBar_ = true;
    bool hscrollBar_ = false;
    int hscroll_ = 0;
    QScrollBar *scrollBar_;
    QScrollBar *hscrollBarWidget_;
    QLineEdit *editor_;
    long editRow_ = 0;
    String editColumn_;
    bool syncing_ = false;
    // Where the objects drew in the paints since they last moved.
    DrawnObjects drawn_;
};

} // namespace runtime
