// Drop-down list box: a list of texts with an optional edit field.
#pragma once

#include "runtime/ui/control.h"

class QComboBox;

namespace runtime {

class DropDownListBox : public Control {
public:
    DropDownListBox(ControlParent &parent, const String &name);

    // Adds an item at the end, or at its place in a sorted list; returns
    // its 1-based position. Adding selects nothing.
    int AddItem(const String &item);
    int TotalItems() const;
    // The text shown: the selected item, or what was typed.
    String Text() const;
    // Selects the item at the 1-based position; 0 clears the selection.
    int SelectItem(int index);
    void SetAllowEdit(bool allow);
    // A sorted list keeps its items in ascending order of their text.
    void SetSorted(bool sorted) { sorted_ = sorted; }
    // The most characters that can be typed; 0 means no limit.
    void SetLimit(int characters);

    Event<int> selectionchanged{this, "selectionchanged"}; // index

private:
    QComboBox *combo() const;
    bool sorted_ = false;
};

} // namespace runtime
