// Painting a data store: the bands in order (header, one detail band per
// row, summary, footer) with their presentation objects. The painter works
// in pixels at 96 dots per inch; positions come from window units.
#pragma once

#include "runtime/dw/datastore.h"

#include <QRect>
#include <QRegion>

#include <unordered_map>
#include <vector>

class QPainter;

namespace runtime {

// One band as it stands in a view: its top in vertical window units and the
// row it shows (the detail band's row; for the other bands the row that
// their expressions read).
struct PlacedBand {
    Band band;
    long row;
    int top;
    int height;
};

// The bands of a view of the given height (units) scrolled to a position:
// the header at the top, the footer at the bottom, the detail rows and the
// summary that fall between them.
std::vector<PlacedBand> PlaceBands(const DataStore &store, int viewHeight, long scrollPosition);

// The bands of each printed page of the given height (units).
std::vector<std::vector<PlacedBand>> PlacePages(const DataStore &store, int pageHeight);

// Where the objects of a view drew (pixels, in the painter's coordinates):
// each object's box and whatever of its text runs over it. A paint of a part
// of the view draws only the objects that drew in that part, in their order;
// the others would not change a pixel there.
struct DrawnObjects {
    // The part to paint; an empty region paints everything.
    QRegion part;
    // Grows with every paint; cleared by the view when objects move.
    std::unordered_map<const DrawObject *, QRect> extents;
};

// Paints the placed bands; the detail and summary bands are clipped to the
// area between the header and the footer. With drawn, paints only drawn's
// part and notes where each object drew.
void PaintBands(QPainter &painter, const DataStore &store, const std::vector<PlacedBand> &bands, int viewWidth,
                int viewHeight, DrawnObjects *drawn = nullptr);

// A property of an object for a row: its value, or the value of the
// expression it holds ("default<tab>expression", or an expression where a
// number is expected).
String ResolveProperty(const DataStore &store, const DrawObject &object, const String &property, long row);

// The object's box in pixels for a band whose top is at bandTop (units).
QRect ObjectRect(const DrawObject &object, int bandTop);

// The part of that box inside the object's border, where its text shows.
QRect ObjectInsideRect(const DrawObject &object, int bandTop);

// The name of the topmost object at a point (pixels) of a placed band, ""
// when none.
String ObjectAt(const DataStore &store, const PlacedBand &band, const QPoint &point);

} // namespace runtime
