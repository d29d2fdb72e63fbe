#include "runtime/dw/datawindow.h"

#include "runtime/draw/units.h"
#include "runtime/dw/print.h"
#include "runtime/dw/render.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace runtime {

DataWindow::DataWindow(QWidget *parent)
    : QWidget(parent), scrollBar_(new QScrollBar(Qt::Vertical, this)),
      hscrollBarWidget_(new QScrollBar(Qt::Horizontal, this)), editor_(new QLineEdit(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    scrollBar_->hide();
    hscrollBarWidget_->hide();
    connect(hscrollBarWidget_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!syncing_)
            SetHorizontalScrollPosition(value);
    });
    editor_->hide();
    editor_->setFrame(false);
    editor_->installEventFilter(this);
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!syncing_)
            SetVerticalScrollPosition(value);
    });
}

DataWindow::~DataWindow() = default;

void DataWindow::SetX(int x) { Move(x, y_); }
void DataWindow::SetY(int y) { Move(x_, y); }
void DataWindow::SetWidth(int width) { Resize(width, height_); }
void DataWindow::SetHeight(int height) { Resize(width_, height); }

void DataWindow::Move(int x, int y)
{
    x_ = x;
    y_ = y;
    placeGeometry();
}

void DataWindow::Resize(int width, int height)
{
    width_ = width;
    height_ = height;
    placeGeometry();
}

void DataWindow::placeGeometry()
{
    setGeometry(UnitsToPixelsX(x_), UnitsToPixelsY(y_), UnitsToPixelsX(width_), UnitsToPixelsY(height_));
}

void DataWindow::SetBorder(bool border)
{
    border_ = border;
    contentChanged();
}

void DataWindow::SetVScrollBar(bool shown)
{
    vscrollBar_ = shown;
    contentChanged();
}

void DataWindow::SetHScrollBar(bool shown)
{
    hscrollBar_ = shown;
    contentChanged();
}

void DataWindow::SetHorizontalScrollPosition(int position)
{
    const int maximum = std::max(0, contentWidthUnits() - viewWidthUnits());
    position = std::clamp(position, 0, maximum);
    if (position == hscroll_)
        return;
    hscroll_ = position;
    syncScrollBar();
    objectsChanged();
}

int DataWindow::contentWidthUnits() const
{
    int right = 0;
    for (const DrawObject &o : dataObject().objects()) {
        if (o.kind() == ObjectKind::Line)
            right = std::max({right, static_cast<int>(Long(o.get("x1"))), static_cast<int>(Long(o.get("x2")))});
        else
            right = std::max(right, static_cast<int>(Long(o.get("x")) + Long(o.get("width"))));
    }
    return right;
}

long DataWindow::Print()
{
    AcceptText();
    return PrintDataStore(*this);
}

int DataWindow::viewWidthUnits() const
{
    const int bar = scrollBar_->isVisibleTo(this) ? scrollBar_->width() : 0;
    return PixelsToUnitsX(std::max(0, width() - 2 * frameWidth() - bar));
}

int DataWindow::viewHeightUnits() const
{
    const int bar = hscrollBarWidget_->isVisibleTo(this) ? hscrollBarWidget_->height() : 0;
    return PixelsToUnitsY(std::max(0, height() - 2 * frameWidth() - bar));
}

int DataWindow::visibleDetailHeight() const
{
    const DataObject &d = dataObject();
    return std::max(0, viewHeightUnits() - d.bandHeight(Band::Header) - d.bandHeight(Band::Footer));
}

void DataWindow::syncScrollBar()
{
    syncing_ = true;
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int f = frameWidth();
    // Each bar takes room from the other's view: settle which show first.
    for (int pass = 0; pass < 2; ++pass) {
        scrollBar_->setVisible(vscrollBar_ && VerticalScrollMaximum() > 0);
        hscrollBarWidget_->setVisible(hscrollBar_ && contentWidthUnits() > viewWidthUnits());
    }
    const int vbar = scrollBar_->isVisibleTo(this) ? bar : 0;
    const int hbar = hscrollBarWidget_->isVisibleTo(this) ? bar : 0;

    const long maximum = VerticalScrollMaximum();
    scrollBar_->setGeometry(width() - f - bar, f, bar, std::max(0, height() - 2 * f - hbar));
    scrollBar_->setRange(0, static_cast<int>(maximum));
    scrollBar_->setPageStep(std::max(1, visibleDetailHeight()));
    const int detail = dataObject().bandHeight(Band::Detail);
    scrollBar_->setSingleStep(detail > 0 && detail <= visibleDetailHeight() ? detail : 64);
    scrollBar_->setValue(static_cast<int>(VerticalScrollPosition()));

    const int across = std::max(0, contentWidthUnits() - viewWidthUnits());
    hscroll_ = hscrollBarWidget_->isVisibleTo(this) ? std::min(hscroll_, across) : 0;
    hscrollBarWidget_->setGeometry(f, height() - f - bar, std::max(0, width() - 2 * f - vbar), bar);
    hscrollBarWidget_->setRange(0, across);
    hscrollBarWidget_->setPageStep(std::max(1, viewWidthUnits()));
    hscrollBarWidget_->setSingleStep(64);
    hscrollBarWidget_->setValue(hscroll_);
    syncing_ = false;
}

void DataWindow::contentChanged()
{
    syncScrollBar();
    objectsChanged();
}

void DataWindow::objectsChanged()
{
    if (hscrollBar_)
        syncScrollBar(); // the objects' width may have changed
    // Painting waits for the event loop, so the changes of a whole script
    // show in one paint.
    if (editor_->isVisible()) {
        if (editRow_ > RowCount() || !dataObject().columnNumber(editColumn_))
            closeEdit();
        else
            startEdit(editRow_, editColumn_); // follows the row when it scrolls
    }
    drawn_.extents.clear();
    update();
}

void DataWindow::objectsRecoloured(const std::vector<const DrawObject *> &objects)
{
    // Only where the objects drew, once the last paint has told where.
    QRegion where;
    for (const DrawObject *o : objects) {
        const auto found = drawn_.extents.find(o);
        if (found == drawn_.extents.end()) {
            objectsChanged();
            return;
        }
        where += found->second;
    }
    update(where.translated(frameWidth(), frameWidth()));
}

void DataWindow::rowFocusChanged(long row)
{
    if (rowfocuschanged)
        rowfocuschanged(row);
}

void DataWindow::scrolled(long position)
{
    if (scrollvertical)
        scrollvertical(position);
}

void DataWindow::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    if (border_) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(0, 0, width() - 1, 0);
        p.drawLine(0, 0, 0, height() - 1);
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    }
    const int f = frameWidth();
    p.translate(f, f);
    const int w = viewWidthUnits(), h = viewHeightUnits();
    if (hscroll_ == 0) {
        p.setClipRect(QRect(0, 0, UnitsToPixelsX(w), UnitsToPixelsY(h)));
        drawn_.part = event->region().translated(-f, -f);
        PaintBands(p, *this, PlaceBands(*this, h, VerticalScrollPosition()), w, h, &drawn_);
        return;
    }
    // Scrolled sideways: the bands are drawn from the scroll position on,
    // into the view alone, and whole, so where each object drew is not kept.
    drawn_.extents.clear();
    QImage view(UnitsToPixelsX(w), UnitsToPixelsY(h), QImage::Format_RGB32);
    view.fill(palette().color(QPalette::Base));
    {
        QPainter vp(&view);
        vp.translate(-UnitsToPixelsX(hscroll_), 0);
        PaintBands(vp, *this, PlaceBands(*this, h, VerticalScrollPosition()), w + hscroll_, h);
    }
    p.drawImage(0, 0, view);
}

void DataWindow::resizeEvent(QResizeEvent *)
{
    // Keep the units when the size came from them; take over a size set in pixels.
    if (UnitsToPixelsX(width_) != width())
        width_ = PixelsToUnitsX(width());
    if (UnitsToPixelsY(height_) != height())
        height_ = PixelsToUnitsY(height());
    SetVerticalScrollPosition(VerticalScrollPosition());
    contentChanged();
}

DataWindow::Hit DataWindow::hitTest(const QPoint &point) const
{
    const QPoint local = point - QPoint(frameWidth() - UnitsToPixelsX(hscroll_), frameWidth());
    const int h = viewHeightUnits();
    const DataObject &d = dataObject();
    const int areaTop = UnitsToPixelsY(d.bandHeight(Band::Header));
    const int areaBottom = UnitsToPixelsY(h - d.bandHeight(Band::Footer));
    for (const PlacedBand &band : PlaceBands(*this, h, VerticalScrollPosition())) {
        const int top = UnitsToPixelsY(band.top), bottom = UnitsToPixelsY(band.top + band.height);
        if (local.y() < top || local.y() >= bottom)
            continue;
        const bool scrolled = band.band == Band::Detail || band.band == Band::Summary;
        if (scrolled && (local.y() < areaTop || local.y() >= areaBottom))
            continue;
        return {band.band == Band::Detail ? band.row : 0, ObjectAt(*this, band, local)};
    }
    return {};
}

void DataWindow::press(const QPoint &point)
{
    const Hit hit = hitTest(point);
    if (clicked)
        clicked(point.x(), point.y(), hit.row, hit.object);
    if (hit.row > 0 && hit.row != GetRow())
        SetRow(hit.row);
    const DrawObject *o = dataObject().object(hit.object);
    if (hit.row > 0 && o && o->kind() == ObjectKind::Column && Long(o->get("tabsequence")) > 0) {
        AcceptText();
        startEdit(hit.row, hit.object);
    }
}

void DataWindow::clickAt(const QPoint &point) { press(point); }

void DataWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        if (rbuttondown)
            rbuttondown();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    press(event->position().toPoint());
}

void DataWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const Hit hit = hitTest(event->position().toPoint());
    if (doubleclicked)
        doubleclicked(event->position().toPoint().x(), event->position().toPoint().y(), hit.row, hit.object);
}

void DataWindow::wheelEvent(QWheelEvent *event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0)
        return;
    SetVerticalScrollPosition(VerticalScrollPosition() - notches * scrollBar_->singleStep());
}

void DataWindow::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (getfocus)
        getfocus();
    // The edit goes on in the column it was in, else starts in the first.
    const auto columns = tabColumns();
    if (event->reason() != Qt::MouseFocusReason && !columns.empty() && GetRow() > 0) {
        const bool known = std::find(columns.begin(), columns.end(), editColumn_) != columns.end();
        startEdit(GetRow(), known ? editColumn_ : columns.front());
    }
}

bool DataWindow::ownsFocus(QWidget *widget) const { return widget == this || widget == editor_; }

void DataWindow::focusLeft(Qt::FocusReason reason)
{
    if (ownsFocus(QApplication::focusWidget()))
        return;
    // The field shows the value taken over, painted as the other fields
    // are, once the focus has gone to another control; it stays while the
    // window is merely inactive or a pop-up menu is open.
    if (AcceptText() == 1 && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        editor_->hide();
    if (losefocus)
        losefocus();
}

void DataWindow::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    focusLeft(event->reason());
}

bool DataWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == editor_) {
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
                moveEdit(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
                return true;
            }
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                AcceptText();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            focusLeft(static_cast<QFocusEvent *>(event)->reason());
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::vector<String> DataWindow::tabColumns() const
{
    std::vector<std::pair<long, String>> ordered;
    for (const DrawObject &o : dataObject().objects())
        if (o.kind() == ObjectKind::Column && o.band() == Band::Detail && Long(o.get("tabsequence")) > 0)
            ordered.emplace_back(Long(o.get("tabsequence")), o.name());
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<String> names;
    for (auto &entry : ordered)
        names.push_back(entry.second);
    return names;
}

bool DataWindow::startEdit(long row, const String &column)
{
    const DrawObject *o = dataObject().object(column);
    if (!o || row < 1 || row > RowCount())
        return false;
    for (const PlacedBand &band : PlaceBands(*this, viewHeightUnits(), VerticalScrollPosition())) {
        if (band.band != Band::Detail || band.row != row)
            continue;
        const bool sameItem = editor_->isVisible() && editRow_ == row && editColumn_ == o->name();
        editRow_ = row;
        editColumn_ = o->name();
        // Inside the column's border, which stays drawn while it edits.
        editor_->setGeometry(
            ObjectInsideRect(*o, band.top).translated(frameWidth() - UnitsToPixelsX(hscroll_), frameWidth()));
        if (!sameItem) {
            QFont font(ToQString(o->get("font.face")));
            const long height = Long(o->get("font.height"));
            font.setPixelSize(std::max(1, height < 0 ? static_cast<int>(-height * 96 / 72) : UnitsToPixelsY(static_cast<int>(height))));
            font.setWeight(static_cast<QFont::Weight>(std::clamp(Long(o->get("font.weight")), 100L, 900L)));
            editor_->setFont(font);
            // A char(n) column takes at most n characters, typed or pasted.
            const int number = dataObject().columnNumber(o->name());
            const ColumnDef *column = number > 0 ? &dataObject().columns()[static_cast<size_t>(number - 1)] : nullptr;
            editor_->setMaxLength(column && column->type == ColumnType::Char && column->width > 0 ? column->width
                                                                                                  : 32767);
            editor_->setText(ToQString(GetItemString(row, editColumn_)));
            editor_->selectAll();
        }
        editor_->show();
        if (hasFocus() || editor_->hasFocus() || QApplication::focusWidget() == nullptr)
            editor_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    editor_->hide();
    return false;
}

void DataWindow::moveEdit(bool forward)
{
    AcceptText();
    const auto columns = tabColumns();
    if (columns.empty() || editRow_ < 1)
        return;
    auto it = std::find(columns.begin(), columns.end(), editColumn_);
    long row = editRow_;
    size_t index = it == columns.end() ? 0 : static_cast<size_t>(it - columns.begin());
    if (forward) {
        if (++index == columns.size()) {
            index = 0;
            row = row < RowCount() ? row + 1 : row;
        }
    } else if (index-- == 0) {
        index = columns.size() - 1;
        row = row > 1 ? row - 1 : row;
    }
    if (row != GetRow())
        ScrollToRow(row);
    startEdit(row, columns[index]);
}

void DataWindow::closeEdit()
{
    editor_->hide();
    editRow_ = 0;
    editColumn_.clear();
}

long DataWindow::AcceptText()
{
    if (!editor_->isVisible() || editRow_ < 1 || editRow_ > RowCount() || !dataObject().columnNumber(editColumn_))
        return 1;
    const String typed = FromQString(editor_->text());
    const Value current = GetItem(editRow_, editColumn_);
    if (current.toString() == typed && !(current.isNull() && !typed.empty()))
        return 1; // nothing typed: the item keeps its value and its status
    return SetItem(editRow_, editColumn_, typed.empty() ? Value() : Value(typed));
}

} // namespace runtime
