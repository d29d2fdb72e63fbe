#include "runtime/dw/parsed_object.h"

#include "runtime/draw/units.h"
#include "runtime/dw/row_context.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace runtime {

namespace {

bool expectsNumber(std::string_view property)
{
    return property == "color" || property == "background.color" || property == "background.mode" ||
           property == "visible" || property == "pen.color" || property == "brush.color" || property == "font.weight";
}

} // namespace

ParsedProperty::ParsedProperty(const DrawObject &object, const char *property)
{
    const String text = object.get(property);
    const bool numeric = expectsNumber(property);
    const size_t tab = text.find('\t');
    String expression;
    String fallback = text;
    if (tab != std::string::npos) {
        fallback = text.substr(0, tab);
        expression = text.substr(tab + 1);
        if (!expression.empty() && (expression.front() == '"' || expression.front() == '\'') &&
            expression.back() == expression.front() && expression.size() >= 2)
            expression = expression.substr(1, expression.size() - 2);
    } else if (numeric && !text.empty() && !IsNumber(text)) {
        expression = text;
        fallback = "0";
    }
    value_ = expression.empty() ? text : fallback;
    number_ = Long(value_);
    if (expression.empty())
        return;
    try {
        expression_ = Expression::Parse(expression);
    } catch (const std::exception &) {
        // Never evaluates: the fallback stands.
    }
}

ParsedProperty ParsedProperty::FixedNumber(const String &digits)
{
    ParsedProperty p;
    p.value_ = digits;
    p.number_ = Long(digits);
    return p;
}

String ParsedProperty::text(const DataStore &store, long row) const
{
    if (!expression_)
        return value_;
    try {
        const Value v = expression_->evaluate(RowContext(store, row));
        return v.isNull() ? value_ : v.toString();
    } catch (const std::exception &) {
        return value_;
    }
}

long ParsedProperty::number(const DataStore &store, long row) const
{
    return expression_ ? Long(text(store, row)) : number_;
}

namespace {

int intOf(const DrawObject &o, const char *property) { return static_cast<int>(Long(o.get(property))); }

QFont makeFont(const String &face, long height, long weight, bool italic, bool underline)
{
    QFont f(ToQString(face));
    // Negative heights are points; the view has 96 pixels to the inch.
    const int pixels =
        height < 0 ? static_cast<int>(std::lround(-height * 96.0 / 72.0)) : UnitsToPixelsY(static_cast<int>(height));
    f.setPixelSize(std::max(1, pixels));
    f.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100L, 900L)));
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

} // namespace

ParsedObject::ParsedObject(const DrawObject &o)
    : visible(o, "visible"), x1(o, "x1"), y1(o, "y1"), x2(o, "x2"), y2(o, "y2"), penColor(o, "pen.color"),
      brushColor(o, "brush.color"), backgroundMode(o, "background.mode"), backgroundColor(o, "background.color"),
      color(o, "color"), text(o, "text"), fontFace(o, "font.face"), fontHeight(o, "font.height"),
      fontWeight(o, "font.weight"), x(intOf(o, "x")),
      y(intOf(o, "y")), width(intOf(o, "width")), height(intOf(o, "height")), penWidth(Long(o.get("pen.width"))),
      penStyle(Long(o.get("pen.style"))), brushHatch(Long(o.get("brush.hatch"))), border(Long(o.get("border"))),
      alignment(Long(o.get("alignment"))), italic(Long(o.get("font.italic")) != 0),
      underline(Long(o.get("font.underline")) != 0), fileName(o.get("filename"))
{
    if (o.kind() == ObjectKind::Compute) {
        try {
            compute = Expression::Parse(o.get("expression"));
            computeIsBitmap = compute->isBitmap();
        } catch (const std::exception &) {
            // shows nothing
        }
    }
    if (o.kind() == ObjectKind::Text && text.fixed())
        shownText = ShownText(o.get("text"));
    if (fontFace.fixed() && fontHeight.fixed() && fontWeight.fixed())
        fixedFont_ = makeFont(fontFace.fixedText(), fontHeight.fixedNumber(), fontWeight.fixedNumber(), italic, underline);
}

QFont ParsedObject::font(const DataStore &store, long row) const
{
    if (fixedFont_)
        return *fixedFont_;
    return makeFont(fontFace.text(store, row), fontHeight.number(store, row), fontWeight.number(store, row), italic,
                    underline);
}

int ParsedObject::lineSpacing(const QPainter &painter) const
{
    if (!fixedFont_)
        return QFontMetrics(painter.font()).lineSpacing();
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 0;
    if (dpi != spacingDpi_) {
        spacing_ = QFontMetrics(painter.font()).lineSpacing();
        spacingDpi_ = dpi;
    }
    return spacing_;
}

const ParsedObject &Parsed(const DrawObject &object)
{
    if (!object.parsed_)
        object.parsed_ = std::make_shared<const ParsedObject>(object);
    return *object.parsed_;
}

bool RecolouredInPlace(std::shared_ptr<const ParsedObject> &parsed, const String &property, const String &value)
{
    ParsedProperty ParsedObject::*field = nullptr;
    if (property == "background.color")
        field = &ParsedObject::backgroundColor;
    else if (property == "color")
        field = &ParsedObject::color;
    else if (property == "background.mode")
        field = &ParsedObject::backgroundMode;
    // Digits alone parse as that number (no expression, no fallback); a
    // colour beyond a long's range takes the whole parse.
    if (!field || value.empty() || value.size() > 10 ||
        !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    auto recoloured = std::make_shared<ParsedObject>(*parsed);
    (*recoloured).*field = ParsedProperty::FixedNumber(value);
    parsed = std::move(recoloured);
    return true;
}

QString ShownText(const String &text)
{
    QString shown = ToQString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1String("\n\r"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace runtime
