// Picture: a picture by name (as data windows name theirs), stretched to the
// control's size.
// With an address it is a picture hyperlink that opens it when clicked.
#pragma once

#include "runtime/ui/control.h"

namespace runtime {

class ClickableLabel;

class Picture : public Control {
public:
    Picture(ControlParent &parent, const String &name);

    const String &PictureName() const { return pictureName_; }
    // Returns false when there is no picture of that name.
    bool SetPictureName(const String &name);
    const String &URL() const { return url_; }
    void SetURL(const String &url) { url_ = url; }

    Event<> clicked{this, "clicked"};

private:
    ClickableLabel *label() const;
    String pictureName_;
    String url_;
};

} // namespace runtime
