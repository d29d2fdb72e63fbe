// A label that reports clicks and double clicks: the widget of static texts,
// hyperlinks and pictures.
#pragma once

#include <QLabel>
#include <QMouseEvent>

#include <functional>

namespace runtime {

class ClickableLabel : public QLabel {
public:
    std::function<void()> onClicked;
    std::function<void()> onDoubleClicked;

protected:
    // Taking the press makes the release come here too.
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            event->accept();
        else
            QLabel::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClicked)
            onClicked();
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && onDoubleClicked)
            onDoubleClicked();
    }
};

} // namespace runtime
