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
        EXPECT_EQ(info.family(), "WenQuanYi Zen Hei") << face;
        const QRawFont raw = QRawFont::fromFont(font);
        for (const char32_t c : {U'警', U'告', U'维', U'拓', U'网'})
            EXPECT_TRUE(raw.supportsCharacter(c)) << face;
        EXPECT_TRUE(info.bold());
    }
}

// Each Windows face is drawn in the first family its substitutions name,
// which the set-up installs: a fallback further down the list would draw
// other widths than every window was laid out with.
TEST(Fonts, EachFaceIsDrawnInItsFirstChoice)
{
    InstallFontSubstitutions();
    const struct {
        const char *face;
        const char *family;
    } cases[] = {
        {"Arial", "Nimbus Sans"},          {"MS Sans Serif", "DejaVu Sans"}, {"Tahoma", "DejaVu Sans"},
        {"Times New Roman", "Nimbus Roman"}, {"Courier New", "Nimbus Mono PS"}, {"宋体", "WenQuanYi Zen Hei"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(QFontInfo(ToQFont({c.face})).family(), c.family) << c.face;
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
