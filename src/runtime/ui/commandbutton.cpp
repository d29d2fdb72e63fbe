#include "runtime/ui/commandbutton.h"

#include <QPushButton>
#include <QShortcut>

namespace runtime {

CommandButton::CommandButton(ControlParent &parent, const String &name) : Control(parent, name, new QPushButton)
{
    button()->setAutoDefault(false);
    QObject::connect(button(), &QPushButton::clicked, this, [this] { clicked.Trigger(); });
}

QPushButton *CommandButton::button() const { return static_cast<QPushButton *>(widget()); }

void CommandButton::SetText(const String &text)
{
    text_ = text;
    QString shown = ToQString(text);
    shown.replace('&', QStringLiteral("&&"));
    button()->setText(shown);
}

void CommandButton::SetDefault(bool isDefault)
{
    default_ = isDefault;
    button()->setDefault(isDefault);
    if (isDefault) {
        // Enter anywhere in the window presses the default button.
        for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
            auto *shortcut = new QShortcut(QKeySequence(key), button()->window());
            QObject::connect(shortcut, &QShortcut::activated, button(), [this] {
                if (default_ && button()->isEnabled() && button()->isVisible())
                    button()->click();
            });
        }
    }
}

void CommandButton::SetCancel(bool isCancel)
{
    cancel_ = isCancel;
    if (isCancel) {
        auto *shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), button()->window());
        QObject::connect(shortcut, &QShortcut::activated, button(), [this] {
            if (cancel_ && button()->isEnabled() && button()->isVisible())
                button()->click();
        });
    }
}

} // namespace runtime
