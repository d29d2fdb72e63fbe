// Counts the events of one type that the objects it filters receive.
#pragma once

#include <QEvent>
#include <QObject>

class EventCounter : public QObject {
public:
    explicit EventCounter(QEvent::Type type) : type_(type) {}

    long count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == type_)
            ++count;
        return false;
    }

private:
    QEvent::Type type_;
};
