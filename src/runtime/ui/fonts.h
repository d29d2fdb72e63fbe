// Fonts as the windows name them: face, size in points, weight, character
// set. The Windows faces ("宋体", "Arial", ...) reach installed fonts through
// substitutions set up once at start.
#pragma once

#include "runtime/text/text.h"

#include <QFont>
#include <QStringList>

namespace runtime {

inline constexpr int kAnsiCharSet = 0;
inline constexpr int kGB2312CharSet = 134;

struct Font {
    String face = "Arial";
    int points = 9;
    int weight = 400; // 400 normal, 700 bold
    int charSet = kAnsiCharSet;
    bool underline = false;
    bool italic = false;
};

// Maps the Windows font faces to the installed fonts; a CJK font backs every
// face so Chinese text always has glyphs. Safe to call more than once.
void InstallFontSubstitutions();

// The installed families the substitutions name, each once: the fonts the
// program's looks rely on.
QStringList SubstituteFamilies();

QFont ToQFont(const Font &font);

} // namespace runtime
