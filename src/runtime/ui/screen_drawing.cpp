#include "runtime/ui/screen_drawing.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace runtime {

namespace {

// What has been drawn onto a window: a transparent layer over it.
class ScreenLayer : public QWidget {
public:
    explicit ScreenLayer(QWidget *window) : QWidget(window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setObjectName(kName);
    }
    static constexpr const char *kName = "screen drawing";
    QImage drawing;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawImage(0, 0, drawing);
    }
};

ScreenLayer *layerOf(QWidget *window)
{
    auto *layer = dynamic_cast<ScreenLayer *>(
        window->findChild<QWidget *>(ScreenLayer::kName, Qt::FindDirectChildrenOnly));
    return layer ? layer : new ScreenLayer(window);
}

} // namespace

void DrawOntoScreen(QWidget *window, const QImage &drawn)
{
    ScreenLayer *layer = layerOf(window);
    if (layer->drawing.size() != window->size()) {
        QImage grown(window->size(), QImage::Format_ARGB32_Premultiplied);
        grown.fill(Qt::transparent);
        QPainter(&grown).drawImage(0, 0, layer->drawing);
        layer->drawing = grown;
    }
    QImage both = layer->drawing;
    QPainter(&both).drawImage(0, 0, drawn);
    layer->setGeometry(window->rect());
    layer->raise();
    layer->show();
    // The same drawing again changes nothing on the screen: no repaint, so
    // that a control that draws over itself whenever it paints comes to rest.
    if (both != layer->drawing) {
        layer->drawing = both;
        layer->update();
    }
}

void ClearScreenDrawing(QWidget *widget)
{
    if (!widget)
        return;
    for (QWidget *layer : widget->findChildren<QWidget *>(ScreenLayer::kName)) {
        layer->hide();
        layer->setParent(nullptr);
        layer->deleteLater();
    }
}

} // namespace runtime
