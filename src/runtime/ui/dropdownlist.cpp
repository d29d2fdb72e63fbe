#include "runtime/ui/dropdownlist.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

namespace runtime {

namespace {

// The control's height includes the list that drops down; the box itself
// shows one line of its font.
class OneLineCombo : public QComboBox {
public:
    OneLineCombo() { fitHeight(); }

protected:
    void changeEvent(QEvent *event) override
    {
        QComboBox::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            fitHeight();
    }

private:
    void fitHeight() { setMaximumHeight(sizeHint().height()); }
};

} // namespace

DropDownListBox::DropDownListBox(ControlParent &parent, const String &name) : Control(parent, name, new OneLineCombo)
{
    QObject::connect(combo(), &QComboBox::activated, this, [this](int index) { selectionchanged.Trigger(index + 1); });
}

QComboBox *DropDownListBox::combo() const { return static_cast<QComboBox *>(widget()); }

int DropDownListBox::AddItem(const String &item)
{
    int at = combo()->count();
    if (sorted_)
        while (at > 0 && item < FromQString(combo()->itemText(at - 1)))
            --at;
    const int selected = combo()->currentIndex();
    combo()->insertItem(at, ToQString(item));
    // The combo box would select the first item added; the list does not.
    combo()->setCurrentIndex(selected < 0 ? -1 : (selected >= at ? selected + 1 : selected));
    return at + 1;
}

int DropDownListBox::TotalItems() const { return combo()->count(); }

String DropDownListBox::Text() const { return FromQString(combo()->currentText()); }

int DropDownListBox::SelectItem(int index)
{
    if (index < 0 || index > combo()->count())
        return -1;
    combo()->setCurrentIndex(index - 1);
    return index;
}

void DropDownListBox::SetAllowEdit(bool allow)
{
    combo()->setEditable(allow);
    if (allow)
        combo()->setCurrentIndex(-1);
}

void DropDownListBox::SetLimit(int characters)
{
    if (QLineEdit *edit = combo()->lineEdit())
        edit->setMaxLength(characters > 0 ? characters : 32767);
}

} // namespace runtime
