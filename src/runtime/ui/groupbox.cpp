#include "runtime/ui/groupbox.h"

#include "runtime/ui/fitted_text.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace runtime {

namespace {

// Space between the frame's left edge and the caption, in pixels.
constexpr int kCaptionIndent = 8;

// A group box drawn as the windows were laid out for: the caption sits on
// the top edge of the frame, its ink from the box's first row down, and the
// frame's top line runs through the caption's middle. Where a control in
// front of the box starts under the caption closer than our taller font's
// ink reaches, the caption is drawn that much smaller, so that it shows whole
// above the control.
class CaptionedFrame : public QGroupBox {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QString caption = title();
        const int room = roomUnder(static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(caption))));
        if (caption != fitCaption_ || font() != fitFor_ || room != fitRoom_)
            fitCaption(caption, room);
        const QFont &font = fitted_;
        const auto [inkTop, inkBottom] = ink_;
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
        const double advance = QFontMetricsF(font).horizontalAdvance(caption);
        const QRectF band(kCaptionIndent - 2, 0, advance + 4, std::max(frameTop + 1, baseline + inkBottom));
        painter.fillRect(band, palette().color(QPalette::Window));
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.setFont(font);
        painter.drawText(QPointF(kCaptionIndent, baseline), caption);
    }

private:
    // Measuring the caption's ink draws it, so the fitted font is kept for
    // its caption, font and room until one of them changes.
    void fitCaption(const QString &caption, int room)
    {
        fitCaption_ = caption;
        fitFor_ = font();
        fitRoom_ = room;
        fitted_ = font();
        ink_ = InkRows(fitted_, caption);
        for (int tries = 0; tries < 4 && ink_.second - ink_.first > room && room > 0; ++tries) {
            const int pixels = QFontInfo(fitted_).pixelSize();
            fitted_.setPixelSize(std::max(1, std::min(pixels - 1, pixels * room / (ink_.second - ink_.first))));
            ink_ = InkRows(fitted_, caption);
        }
    }

    QString fitCaption_;
    QFont fitFor_;
    int fitRoom_ = -1;
    QFont fitted_;
    std::pair<int, int> ink_;

    // Rows between the box's top and the first control in front of it that
    // starts under the caption.
    int roomUnder(int captionWidth) const
    {
        int room = height();
        if (!parentWidget())
            return room;
        const QRect under(x() + kCaptionIndent, y() + 1, captionWidth, height());
        const QObjectList &siblings = parentWidget()->children();
        // Siblings stack in the order of the list: those after the box lie in front of it.
        for (qsizetype i = siblings.indexOf(const_cast<CaptionedFrame *>(this)) + 1; i < siblings.size(); ++i) {
            const auto *w = qobject_cast<const QWidget *>(siblings[i]);
            if (w && !w->isHidden() && w->y() > y() && w->geometry().intersects(under))
                room = std::min(room, w->y() - y());
        }
        return room;
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
