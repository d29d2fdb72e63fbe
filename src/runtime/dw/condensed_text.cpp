#include "runtime/dw/condensed_text.h"

#include <QFontMetricsF>
#include <QHash>

#include <cmath>
#include <tuple>

namespace runtime {

namespace {

// The narrowest a text is drawn, in percent of its font's width: what the
// Latin letters and digits of the layout's faces take of ours.
constexpr int kNarrowest = 80;

struct Fitting {
    QFont font;
    QString text;
    int width;
    bool operator==(const Fitting &other) const
    {
        return width == other.width && text == other.text && font == other.font;
    }
};

size_t qHash(const Fitting &f, size_t seed = 0) { return qHashMulti(seed, f.font, f.text, f.width); }

QFont Condense(const QFont &font, const QString &text, int width)
{
    const double natural = QFontMetricsF(font).horizontalAdvance(text);
    if (natural <= width || natural <= 0)
        return font;
    const int stretch = static_cast<int>(std::floor(100.0 * width / natural));
    if (stretch < kNarrowest)
        return font;
    QFont condensed = font;
    condensed.setStretch(stretch);
    return condensed;
}

} // namespace

QFont CondensedToFit(const QFont &font, const QString &text, int width)
{
    // Painting asks for the same few texts again and again: measure each once.
    static QHash<Fitting, QFont> fitted;
    Fitting key{font, text, width};
    if (const auto found = fitted.constFind(key); found != fitted.cend())
        return *found;
    if (fitted.size() >= 4096)
        fitted.clear();
    const QFont result = Condense(font, text, width);
    fitted.insert(std::move(key), result);
    return result;
}

} // namespace runtime
