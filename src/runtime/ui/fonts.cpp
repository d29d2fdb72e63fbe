#include "runtime/ui/fonts.h"

#include <QStringList>

namespace runtime {

namespace {
const QString kChinese = QStringLiteral("WenQuanYi Zen Hei");
const QString kChineseFallback = QStringLiteral("Droid Sans Fallback");
} // namespace

void InstallFontSubstitutions()
{
    struct Face {
        const char *windowsName;
        QStringList installed;
    };
    const Face faces[] = {
        {"宋体", {kChinese, kChineseFallback}},
        {"新宋体", {kChinese, kChineseFallback}},
        {"黑体", {kChinese, kChineseFallback}},
        {"楷体_GB2312", {kChinese, kChineseFallback}},
        {"仿宋_GB2312", {kChinese, kChineseFallback}},
        {"SimSun", {kChinese, kChineseFallback}},
        {"Arial", {"Nimbus Sans", "DejaVu Sans", kChinese}},
        {"MS Sans Serif", {"DejaVu Sans", "Nimbus Sans", kChinese}},
        {"Tahoma", {"DejaVu Sans", kChinese}},
        {"System", {"DejaVu Sans", kChinese}},
        {"Times New Roman", {"Nimbus Roman", "DejaVu Serif", kChinese}},
        {"Courier New", {"Nimbus Mono PS", "DejaVu Sans Mono", kChinese}},
    };
    for (const Face &f : faces) {
        const QString name = ToQString(f.windowsName);
        QFont::removeSubstitutions(name);
        QFont::insertSubstitutions(name, f.installed);
    }
}

QFont ToQFont(const Font &font)
{
    QFont f(ToQString(font.face));
    f.setPointSize(font.points > 0 ? font.points : 9);
    f.setWeight(static_cast<QFont::Weight>(font.weight));
    f.setUnderline(font.underline);
    f.setItalic(font.italic);
    return f;
}

} // namespace runtime
