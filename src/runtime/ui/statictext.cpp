#include "runtime/ui/statictext.h"

#include "runtime/draw/colors.h"
#include "runtime/ui/fitted_text.h"

namespace runtime {

StaticText::StaticText(ControlParent &parent, const String &name) : StaticText(parent, name, new FittedTextLabel) {}

StaticText::StaticText(ControlParent &parent, const String &name, ClickableLabel *label) : Control(parent, name, label)
{
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Text longer than the control breaks onto further lines.
    label->setWordWrap(true);
    label->onClicked = [this] { clicked.Trigger(); };
    label->onDoubleClicked = [this] { doubleclicked.Trigger(); };
    applyColors();
}

void StaticText::SetBorderStyle(BorderStyle style) { ApplyBorderStyle(*label(), style); }

void StaticText::applyColors()
{
    Control::applyColors();
    const QColor text = ToQColor(TextColor());
    if (!text.isValid())
        return;
    QPalette p = widget()->palette();
    p.setColor(QPalette::Disabled, QPalette::WindowText, text);
    widget()->setPalette(p);
}

ClickableLabel *StaticText::label() const { return static_cast<ClickableLabel *>(widget()); }

void StaticText::SetText(const String &text)
{
    // The text it shows already: nothing to convert or lay out again.
    if (text == text_)
        return;
    text_ = text;
    label()->setText(ToQString(text));
}

void StaticText::SetAlignment(Alignment alignment)
{
    const Qt::Alignment horizontal = alignment == Alignment::Center ? Qt::AlignHCenter
                                     : alignment == Alignment::Right ? Qt::AlignRight
                                                                     : Qt::AlignLeft;
    label()->setAlignment(horizontal | Qt::AlignTop);
}

} // namespace runtime
