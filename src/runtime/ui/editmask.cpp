#include "runtime/ui/editmask.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace runtime {

namespace {
// Hands the field's key presses to its keydown event.
class KeyDownFilter : public QObject {
public:
    KeyDownFilter(QObject *parent, Event<KeyCode, unsigned> &event) : QObject(parent), event_(event) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const auto &k = static_cast<const QKeyEvent &>(*e);
            event_.Trigger(VirtualKeyCode(k), KeyFlags(k));
        }
        return false;
    }

private:
    Event<KeyCode, unsigned> &event_;
};
} // namespace

EditMask::EditMask(ControlParent &parent, const String &name) : Control(parent, name, new QLineEdit)
{
    edit()->installEventFilter(new KeyDownFilter(edit(), keydown));
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

} // namespace runtime
