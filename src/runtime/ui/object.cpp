#include "runtime/ui/object.h"

namespace runtime {

PowerObject::PowerObject(const String &name, PowerObject *parent) : name_(name), parent_(parent) {}

String PowerObject::WindowMenuName() const
{
    return parent_ ? parent_->WindowMenuName() : name_;
}

} // namespace runtime
