// The root of the runtime's objects: windows, controls, menus and the other
// objects whose events scripts run.
#pragma once

#include "runtime/text/text.h"

#include <QObject>

namespace runtime {

class PowerObject : public QObject {
public:
    // name: the object's own name ("cb_1", "m_main", "w_about"), which the
    // error report shows. parent: the object that holds this one, if any.
    explicit PowerObject(const String &name, PowerObject *parent = nullptr);

    const String &ClassName() const { return name_; }
    PowerObject *GetParent() const { return parent_; }

    // The name of the window or menu this object belongs to: where the error
    // report says a script failed.
    virtual String WindowMenuName() const;

private:
    String name_;
    PowerObject *parent_;
};

} // namespace runtime
