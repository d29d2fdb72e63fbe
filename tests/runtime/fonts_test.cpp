// The Windows font faces reach installed fonts, and Chinese text is drawn
// from a font that has its glyphs.
#include "runtime/ui/fonts.h"

#include <QFontInfo>
#include <QRawFont>
#include <gtest/gtest.h>

using namespace runtime;

TEST(Fonts, ChineseFacesResolveToACjkFontWithTheGlyphs)
{
    InstallFontSubstitutions();
    for (const char *face : {"宋体", "黑体", "新宋体"}) {
        const QFont font = ToQFont({face, 12, 700, kGB2312CharSet});
        const QFontInfo info(font);
        EXPECT_TRUE(info.family().contains("WenQuanYi") || info.family().contains("Droid"))
            << face << " -> " << info.family().toStdString();
        const QRawFont raw = QRawFont::fromFont(font);
        for (const char32_t c : {U'警', U'告', U'维', U'拓', U'网'})
            EXPECT_TRUE(raw.supportsCharacter(c)) << face;
        EXPECT_TRUE(info.bold());
    }
}

TEST(Fonts, WesternFacesKeepAChineseFallback)
{
    InstallFontSubstitutions();
    for (const char *face : {"Arial", "MS Sans Serif", "Times New Roman", "Courier New"}) {
        const QStringList subs = QFont::substitutes(ToQString(face));
        ASSERT_FALSE(subs.isEmpty()) << face;
        EXPECT_NE(QFontInfo(ToQFont({face})).family(), ToQString(face)) << face;
        const QString cjk = subs.last();
        EXPECT_TRUE(QRawFont::fromFont(QFont(cjk)).supportsCharacter(U'设')) << face;
    }
}
