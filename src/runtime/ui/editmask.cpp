#include "runtime/ui/editmask.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace runtime {

// Hands the field's key presses to its keydown event, and the arrow keys
// of a spin field to its stepping; keeps the arrow buttons at the field's
// right edge as it changes size; selects the field's text when the field
// gets the focus other than by a click, so that what is typed first
// replaces it.
class FieldFilter : public QObject {
public:
    FieldFilter(QObject *parent, EditMask &field) : QObject(parent), field_(field) {}
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::Resize)
            field_.placeArrows();
        if (e->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<const QFocusEvent &>(*e).reason();
            if (reason == Qt::MouseFocusReason || reason == Qt::PopupFocusReason)
                return false;
            // The field places its cursor as it takes the focus; the
            // selection comes after that.
            auto *edit = static_cast<QLineEdit *>(watched);
            edit->event(e);
            edit->selectAll();
            return true;
        }
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

namespace {

QToolButton *arrowButton(QLineEdit *field, Qt::ArrowType arrow)
{
    auto *button = new QToolButton(field);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    // Held down, the button goes on stepping, as a spin control's does.
    button->setAutoRepeat(true);
    button->hide();
    return button;
}

} // namespace

EditMask::EditMask(ControlParent &parent, const String &name) : Control(parent, name, new QLineEdit)
{
    edit()->installEventFilter(new FieldFilter(edit(), *this));
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


void EditMask::SetSpin(bool spin)
{
    spin_ = spin;
    if (spin && !up_) {
        up_ = arrowButton(edit(), Qt::UpArrow);
        down_ = arrowButton(edit(), Qt::DownArrow);
        QObject::connect(up_, &QToolButton::clicked, this, [this] { spinBy(1); });
        QObject::connect(down_, &QToolButton::clicked, this, [this] { spinBy(-1); });
    }
    if (up_) {
        up_->setVisible(spin);
        down_->setVisible(spin);
    }
    placeArrows();
}

void EditMask::placeArrows()
{
    if (!spin_ || !up_) {
        edit()->setTextMargins(0, 0, 0, 0);
        return;
    }
    // Two buttons one above the other, as wide as a scroll bar's arrows,
    // inside the field's frame; the text keeps clear of them.
    const QRect inside = edit()->rect().adjusted(2, 2, -2, -2);
    const int width = std::min(16, inside.width() / 2);
    const int upper = inside.height() / 2;
    up_->setGeometry(inside.right() + 1 - width, inside.top(), width, upper);
    down_->setGeometry(inside.right() + 1 - width, inside.top() + upper, width, inside.height() - upper);
    edit()->setTextMargins(0, 0, width, 0);
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
