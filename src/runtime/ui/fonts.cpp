#include "runtime/ui/fonts.h"

#include <QStringList>

#include <vector>

namespace runtime {

namespace {

// The Windows faces the windows name, each with the installed families that
// stand in for it, best first. WenQuanYi Zen Hei comes last in every list, so
// that Chinese text always has its glyphs. Every family named here is one
// that the set-up installs (the architecture notes say which package brings
// which, and why each was chosen).
struct Face {
    const char *windowsName;
    QStringList installed;
};

const QString kChinese = QStringLiteral("WenQuanYi Zen Hei");

const std::vector<Face> &Faces()
{
    static const std::vector<Face> faces = {
        {"宋体", {kChinese}},
        {"新宋体", {kChinese}},
        {"黑体", {kChinese}},
        {"楷体_GB2312", {kChinese}},
        {"仿宋_GB2312", {kChinese}},
        {"SimSun", {kChinese}},
        {"Arial", {"Nimbus Sans", "DejaVu Sans", kChinese}},
        {"MS Sans Serif", {"DejaVu Sans", "Nimbus Sans", kChinese}},
        {"Tahoma", {"DejaVu Sans", kChinese}},
        {"System", {"DejaVu Sans", kChinese}},
        {"Times New Roman", {"Nimbus Roman", "DejaVu Serif", kChinese}},
        {"Courier New", {"Nimbus Mono PS", "DejaVu Sans Mono", kChinese}},
    };
    return faces;
}

} // namespace

void InstallFontSubstitutions()
{
    for (const Face &f : Faces()) {
        const QString name = ToQString(f.windowsName);
        QFont::removeSubstitutions(name);
        QFont::insertSubstitutions(name, f.installed);
    }
}

QStringList SubstituteFamilies()
{
    QStringList families;
    for (const Face &f : Faces())
        for (const QString &family : f.installed)
            if (!families.contains(family))
                families.push_back(family);
    return families;
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
