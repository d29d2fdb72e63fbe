#include "runtime/ui/picture.h"

#include "runtime/draw/colors.h"
#include "runtime/draw/picture.h"
#include "runtime/draw/units.h"
#include "runtime/ui/clickable_label.h"
#include "runtime/ui/urlopener.h"

#include <QPixmapCache>

namespace runtime {

Picture::Picture(ControlParent &parent, const String &name) : Control(parent, name, new ClickableLabel)
{
    SetBackColor(kTransparent);
    label()->setScaledContents(true);
    label()->onClicked = [this] {
        if (!url_.empty())
            OpenUrl(url_);
        clicked.Trigger();
    };
}

ClickableLabel *Picture::label() const { return static_cast<ClickableLabel *>(widget()); }

bool Picture::SetPictureName(const String &name)
{
    pictureName_ = name;
    const String key = Trim(name);
    QPixmap pixmap;
    if (key.empty()) {
        pixmap = LoadPicture(name); // no picture; the one loaded last stays kept
    } else if (key == loadedName_ && !loaded_.isNull()) {
        pixmap = loaded_;
    } else {
        loaded_ = {};
        loadedName_ = key;
        loaded_ = LoadPicture(name);
        pixmap = loaded_;
    }
    label()->setPixmap(pixmap);
    fitToPicture();
    return !pixmap.isNull();
}

void Picture::WindowClosed()
{
    loaded_ = {};
    loadedName_.clear();
    if (label()->pixmap().isNull())
        return;
    label()->setPixmap({});
    // The pictures shown last wait in Qt's pixmap cache for a window to show
    // them again; with the window that showed them they go too.
    QPixmapCache::clear();
}

void Picture::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    widget()->setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
}

void Picture::SetOriginalSize(bool original)
{
    originalSize_ = original;
    label()->setScaledContents(!original);
    fitToPicture();
}

void Picture::fitToPicture()
{
    const QPixmap pixmap = label()->pixmap();
    if (originalSize_ && !pixmap.isNull())
        Resize(PixelsToUnitsX(pixmap.width()), PixelsToUnitsY(pixmap.height()));
}

} // namespace runtime
