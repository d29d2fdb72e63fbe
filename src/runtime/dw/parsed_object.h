// A presentation object's properties as the painter reads them: each text
// parsed once (numbers read, expressions parsed, the font built) and kept
// with the object until one of its properties changes. Painting a data
// window then reads fields instead of parsing texts for every object on
// every paint.
#pragma once

#include "runtime/dw/datastore.h"

#include <QFont>
#include <QString>

#include <memory>
#include <optional>

class QPainter;

namespace runtime {

// One property: a fixed value, or an expression evaluated row by row with
// the value to show when it gives null or fails.
class ParsedProperty {
public:
    ParsedProperty() = default;
    // Parses the object's property as the painter reads it:
    // "default<tab>expression", or, for a property that holds a number
    // (colours, modes, visible, weight), a bare expression.
    ParsedProperty(const DrawObject &object, const char *property);

    // A fixed number, as a property holding only digits parses.
    static ParsedProperty FixedNumber(const String &digits);

    String text(const DataStore &store, long row) const;
    long number(const DataStore &store, long row) const;
    bool fixed() const { return !expression_; }
    // The value of a fixed property.
    const String &fixedText() const { return value_; }
    long fixedNumber() const { return number_; }

private:
    String value_;    // the fixed value, or the fallback of an expression
    long number_ = 0; // the fixed value as a number
    std::shared_ptr<const Expression> expression_;
};

struct ParsedObject {
    explicit ParsedObject(const DrawObject &o);

    ParsedProperty visible, x1, y1, x2, y2, penColor, brushColor, backgroundMode, backgroundColor, color, text,
        fontFace, fontHeight, fontWeight;
    int x = 0, y = 0, width = 0, height = 0;
    long penWidth = 0, penStyle = 0, brushHatch = 0, border = 0, alignment = 0;
    bool italic = false, underline = false;
    String fileName;
    // A computed field's expression (null when it does not parse) and
    // whether it shows a picture.
    std::shared_ptr<const Expression> compute;
    bool computeIsBitmap = false;
    // A text object's fixed text as shown, line ends made newlines.
    std::optional<QString> shownText;

    // The object's font for a row; built once when face, height and
    // weight are fixed.
    QFont font(const DataStore &store, long row) const;
    // The line spacing of the painter's font, which is this object's font:
    // measured once per device resolution when the font is fixed.
    int lineSpacing(const QPainter &painter) const;

    // Where a one-line text goes in the object, as the painter measured it
    // for the text, font and resolution it last drew: drawn as the font
    // places it, or narrowed by scale from left (pixels from the object's
    // left edge) with its baseline that far below the object's top.
    struct LineFit {
        QString text;
        QFont font;
        int dpi = 0;
        bool natural = true;
        double scale = 1, left = 0, baseline = 0;
    };
    mutable std::optional<LineFit> lineFit;

private:
    std::optional<QFont> fixedFont_;
    mutable int spacingDpi_ = -1;
    mutable int spacing_ = 0;
};

// The parsed form of the object, made on first use and kept until the
// object's properties change.
const ParsedObject &Parsed(const DrawObject &object);

// Where property is one of the colours (color, background.color,
// background.mode) and value plain digits, replaces parsed by a copy with
// only that field new and returns true; else leaves it and returns false.
bool RecolouredInPlace(std::shared_ptr<const ParsedObject> &parsed, const String &property, const String &value);

// A text as a data window shows it: "\r\n", "\n\r" and "\r" end lines.
QString ShownText(const String &text);

} // namespace runtime
