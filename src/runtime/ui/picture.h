// Picture: a picture by name (as data windows name theirs), stretched to the
// control's size, or shown at its own size when the control takes the
// picture's size.
// With an address it is a picture hyperlink that opens it when clicked.
#pragma once

#include "runtime/ui/control.h"

#include <QPixmap>

namespace runtime {

class ClickableLabel;

class Picture : public Control {
public:
    Picture(ControlParent &parent, const String &name);

    const String &PictureName() const { return pictureName_; }
    // Returns false when there is no picture of that name.
    bool SetPictureName(const String &name);
    // True makes the control as large as its picture (now and whenever the
    // picture changes) instead of stretching the picture.
    void SetOriginalSize(bool original);
    bool OriginalSize() const { return originalSize_; }
    // A disabled picture takes no mouse input (its parent gets it) but shows
    // its picture as it is, not greyed.
    bool Enabled() const override { return enabled_; }
    // Drops the shown image and Qt's cached pictures; the picture's name
    // stays.
    void WindowClosed() override;
    void SetEnabled(bool enabled) override;
    const String &URL() const { return url_; }
    void SetURL(const String &url) { url_ = url; }

    Event<> clicked{this, "clicked"};

private:
    ClickableLabel *label() const;
    void fitToPicture();
    String pictureName_;
    // The picture last loaded and its name, kept while a script clears the
    // control and names it again (a question shown anew, or a next one with
    // the same picture): a picture on screen is not decoded again. Dropped
    // before another picture loads and when the window closes, so that at
    // most one picture is held beside the one loading.
    String loadedName_;
    QPixmap loaded_;
    bool originalSize_ = false;
    bool enabled_ = true;
    String url_;
};

} // namespace runtime
