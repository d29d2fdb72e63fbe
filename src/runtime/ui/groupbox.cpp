#include "runtime/ui/groupbox.h"

#include "runtime/ui/fitted_text.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QPainter>

#include <cmath>

namespace runtime {

namespace {

// Space between the frame's left edge and the caption, in pixels.
constexpr int kCaptionIndent = 8;

// A group box drawn as the windows were laid out for: the caption sits on
// the top edge of the frame, its ink from the box's first row down, and the
// frame's top line runs through the caption's middle. The controls framed
// below the caption keep the caption clear of them.
class CaptionedFrame : public QGroupBox {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QString caption = title();
        const QFontMetricsF metrics(font());
        const auto [inkTop, inkBottom] = InkRows(font(), caption);
        const int baseline = -inkTop;
        const int frameTop = (baseline + inkBottom) / 2;

        // An etched frame: a shadow line with a light line inside it.
        const QRect frame = rect().adjusted(0, frameTop, -2, -2);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(frame);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(frame.translated(1, 1));
        if (caption.isEmpty())
            return;

        // The caption covers the frame line behind it with the box's colour.
        const double advance = metrics.horizontalAdvance(caption);
        const QRectF band(kCaptionIndent - 2, 0, advance + 4, std::max(frameTop + 1, baseline + inkBottom));
        painter.fillRect(band, palette().color(QPalette::Window));
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.setFont(font());
        painter.drawText(QPointF(kCaptionIndent, baseline), caption);
    }
};

} // namespace

GroupBox::GroupBox(ControlParent &parent, const String &name) : Control(parent, name, new CaptionedFrame)
{
    // A group box frames the controls over it; it never hides them.
    widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
    applyColors();
}

void GroupBox::applyColors()
{
    // Only the frame and the caption are drawn: what lies behind shows through.
    Control::applyColors();
    widget()->setAutoFillBackground(false);
}

void GroupBox::SetText(const String &text)
{
    text_ = text;
    static_cast<QGroupBox *>(widget())->setTitle(ToQString(text));
}

} // namespace runtime
