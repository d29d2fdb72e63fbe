// Line: a straight line between two points of its parent, in window units.
#pragma once

#include "runtime/ui/control.h"

namespace runtime {

class Line : public Control {
public:
    Line(ControlParent &parent, const String &name);

    int BeginX() const { return beginX_; }
    int BeginY() const { return beginY_; }
    int EndX() const { return endX_; }
    int EndY() const { return endY_; }
    void SetPoints(int beginX, int beginY, int endX, int endY);
    long LineColor() const { return lineColor_; }
    void SetLineColor(long color);
    int LineThickness() const { return thickness_; }
    void SetLineThickness(int units);

private:
    void place();
    int beginX_ = 0, beginY_ = 0, endX_ = 0, endY_ = 0;
    long lineColor_ = 0;
    int thickness_ = 4;
};

} // namespace runtime
