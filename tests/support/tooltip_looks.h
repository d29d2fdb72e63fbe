// What tooltip windows show: the tip as it is painted, and what a tip of a
// given text and font looks like, for tests to compare.
#pragma once

#include "runtime/win32/tooltips.h"

#include <QImage>
#include <QWidget>

// The tip of a tooltip window as painted; a null image while none shows.
inline QImage TipImage(runtime::WindowHandle tooltips)
{
    QWidget *tip = runtime::WidgetOf(tooltips);
    if (!tip || !tip->isVisible())
        return {};
    return tip->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A tip of text in font (0: the usual one): the tracking tip of a tooltip
// window of its own.
inline QImage TipLooks(const runtime::String &text, runtime::GdiObject font = 0)
{
    QWidget owner;
    const runtime::WindowHandle tips = runtime::CreateToolTipWindow();
    runtime::AddTool(tips, {runtime::HandleOf(&owner), 1, {0, 0, 1, 1}, text, runtime::kToolTrack});
    if (font)
        runtime::SetToolTipFont(tips, font);
    runtime::TrackActivate(tips, runtime::HandleOf(&owner), 1, true);
    const QImage image = TipImage(tips);
    runtime::DestroyToolTipWindow(tips);
    return image;
}

// Where the text of a tip is inked: the dark pixels inside its frame.
inline QRect InkBox(const QImage &image)
{
    QRect box;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}
