#include "runtime/ui/editmask.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace runtime {

// Hands the field's key presses to its keydown event, and the arrow keys
// of a spin field to its stepping.
class KeyDownFilter : public QObject {
public:
    KeyDownFilter(QObject *parent, EditMask &field) : QObject(parent), field_(field) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        const auto &k = static_cast<const QKeyEvent &>(*e);
        field_.keydown.Trigger(VirtualKeyCode(k), KeyFlags(k));
        if (k.key() == Qt::Key_Up)
            return field_.spinBy(1);
        if (k.key() == Qt::Key_Down)
            return field_.spinBy(-1);
        return false;
    }

private:
    EditMask &field_;
};

EditMask::EditMask(ControlParent &parent, const String &name) : Control(parent, name, new QLineEdit)
{
    edit()->installEventFilter(new KeyDownFilter(edit(), *this));
    QObject::connect(edit(), &QLineEdit::editingFinished, this, [this] {
        if (edit()->isModified()) {
            edit()->setModified(false);
            modified.Trigger();
        }
    });
}

QLineEdit *EditMask::edit() const { return static_cast<QLineEdit *>(widget()); }

String EditMask::Text() const { return FromQString(edit()->text().trimmed()); }

void EditMask::SetText(const String &text) { edit()->setText(ToQString(text)); }

void EditMask::SetMask(const String &mask)
{
    // The platform's mask places as Qt input-mask characters: '#' a digit
    // (may stay empty), the letter places any character.
    QString qt;
    for (const QChar c : ToQString(mask)) {
        if (c == '#')
            qt += '9';
        else if (c == '!' || c == 'a' || c == 'x' || c == '^')
            qt += 'x';
        else if (QStringLiteral("90AaNnXxHhBb<>!;{}[]\\").contains(c))
            qt += QStringLiteral("\\") + c;
        else
            qt += c;
    }
    edit()->setInputMask(qt);
}


void EditMask::SetMinMax(long min, long max)
{
    min_ = min;
    max_ = max;
}

bool EditMask::spinBy(int by)
{
    if (!spin_)
        return false;
    long n = Long(Text()) + by;
    if (n < min_)
        n = min_;
    if (n > max_)
        n = max_;
    // A range without numbers leaves the field as it is.
    if (min_ <= max_)
        SetText(String(n));
    return true;
}

} // namespace runtime
