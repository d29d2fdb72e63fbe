#include "runtime/ui/checkbox.h"

#include <QCheckBox>

namespace runtime {

CheckBox::CheckBox(ControlParent &parent, const String &name) : Control(parent, name, new QCheckBox)
{
    QObject::connect(box(), &QCheckBox::clicked, this, [this] { clicked.Trigger(); });
}

QCheckBox *CheckBox::box() const { return static_cast<QCheckBox *>(widget()); }

void CheckBox::SetText(const String &text)
{
    text_ = text;
    box()->setText(ToQString(text));
}

bool CheckBox::Checked() const { return box()->isChecked(); }
void CheckBox::SetChecked(bool checked) { box()->setChecked(checked); }

} // namespace runtime
