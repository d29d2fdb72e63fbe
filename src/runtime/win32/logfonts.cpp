#include "runtime/win32/logfonts.h"

#include "runtime/win32/gdi_context.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace runtime {

using namespace gdi_detail;

namespace {

std::map<GdiObject, LogFont> &made()
{
    static std::map<GdiObject, LogFont> fonts;
    return fonts;
}

QFont fontOf(DeviceContext hdc)
{
    Context *dc = contextOf(hdc);
    auto found = dc ? tables().fontOf.find(dc->font) : tables().fontOf.end();
    return found == tables().fontOf.end() ? QFont() : found->second;
}

} // namespace

GdiObject CreateFontIndirect(const LogFont &font)
{
    QFont qfont;
    const String face = Left(font.faceName, 31);
    if (!Trim(face).empty())
        qfont.setFamily(ToQString(face));
    if (font.height != 0)
        qfont.setPixelSize(static_cast<int>(font.height < 0 ? -font.height : font.height));
    if (font.weight > 0)
        qfont.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    const GdiObject handle = ++tables().next;
    tables().fontOf[handle] = qfont;
    LogFont kept = font;
    kept.faceName = face;
    made()[handle] = kept;
    return handle;
}

bool GetLogFont(GdiObject font, LogFont &out)
{
    auto found = made().find(font);
    if (found == made().end())
        return false;
    if (!tables().fontOf.count(font)) { // deleted
        made().erase(found);
        return false;
    }
    out = found->second;
    return true;
}

String GetTextFace(DeviceContext hdc)
{
    if (!contextOf(hdc))
        return {};
    return FromQString(QFontInfo(fontOf(hdc)).family());
}

bool GetTextMetrics(DeviceContext hdc, TextMetric &out)
{
    if (!contextOf(hdc))
        return false;
    const QFont font = fontOf(hdc);
    out.height = QFontMetrics(font).height();
    out.weight = font.bold() ? 700 : 400;
    return true;
}

void CalcTextRect(DeviceContext hdc, const String &text, long count, Rect &rect)
{
    if (!contextOf(hdc))
        return;
    const QRect box = QFontMetrics(fontOf(hdc)).boundingRect(
        QRect(0, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, ToQString(Left(text, count)));
    rect.right = rect.left + (count > 0 ? box.width() : 0);
    rect.bottom = rect.top + (count > 0 ? box.height() : 0);
}

} // namespace runtime
