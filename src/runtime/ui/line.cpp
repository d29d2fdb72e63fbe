#include "runtime/ui/line.h"

#include "runtime/draw/colors.h"
#include "runtime/draw/units.h"

#include <QPainter>

namespace runtime {

namespace {

// Paints the line across its own rectangle, which spans the two points.
class LineWidget : public QWidget {
public:
    QPoint from, to; // in the widget's pixels
    QColor color;
    int width = 1;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(from, to);
    }
};

} // namespace

Line::Line(ControlParent &parent, const String &name) : Control(parent, name, new LineWidget)
{
    widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetBackColor(kTransparent);
    place();
}

void Line::SetPoints(int beginX, int beginY, int endX, int endY)
{
    beginX_ = beginX;
    beginY_ = beginY;
    endX_ = endX;
    endY_ = endY;
    place();
}

void Line::SetLineColor(long color)
{
    lineColor_ = color;
    place();
}

void Line::SetLineThickness(int units)
{
    thickness_ = units;
    place();
}

void Line::place()
{
    auto *w = static_cast<LineWidget *>(widget());
    const int pen = std::max(1, UnitsToPixelsY(thickness_));
    const QPoint a(UnitsToPixelsX(beginX_), UnitsToPixelsY(beginY_));
    const QPoint b(UnitsToPixelsX(endX_), UnitsToPixelsY(endY_));
    const QRect box = QRect(a, b).normalized().adjusted(-pen, -pen, pen, pen);
    w->setGeometry(box);
    w->from = a - box.topLeft();
    w->to = b - box.topLeft();
    w->color = ToQColor(lineColor_);
    w->width = pen;
    w->update();
}

} // namespace runtime
