#include "runtime/ui/messagebox.h"

#include "runtime/script/script_state.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace runtime {

namespace {

MessageBoxHandler &handler()
{
    static MessageBoxHandler h;
    return h;
}

// The captions a Chinese desktop gives the buttons of a message box.
QString captionOf(QMessageBox::StandardButton kind)
{
    switch (kind) {
    case QMessageBox::Ok: return ToQString("确定");
    case QMessageBox::Cancel: return ToQString("取消");
    case QMessageBox::Yes: return ToQString("是(&Y)");
    case QMessageBox::No: return ToQString("否(&N)");
    case QMessageBox::Retry: return ToQString("重试(&R)");
    case QMessageBox::Abort: return ToQString("中止(&A)");
    case QMessageBox::Ignore: return ToQString("忽略(&I)");
    default: return {};
    }
}

int showDialog(const MessageBoxRequest &r)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(ToQString(r.title));
    box.setText(ToQString(r.text));
    switch (r.icon) {
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::StopSign: box.setIcon(QMessageBox::Critical); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    std::vector<QMessageBox::StandardButton> kinds;
    switch (r.buttons) {
    case Buttons::OK: kinds = {QMessageBox::Ok}; break;
    case Buttons::OKCancel: kinds = {QMessageBox::Ok, QMessageBox::Cancel}; break;
    case Buttons::YesNo: kinds = {QMessageBox::Yes, QMessageBox::No}; break;
    case Buttons::YesNoCancel: kinds = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}; break;
    case Buttons::RetryCancel: kinds = {QMessageBox::Retry, QMessageBox::Cancel}; break;
    case Buttons::AbortRetryIgnore: kinds = {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}; break;
    }
    std::vector<QAbstractButton *> buttons;
    // The buttons carry their captions only: a desktop theme may give Qt's
    // standard buttons icons, which the system's own message boxes never show.
    for (auto kind : kinds) {
        buttons.push_back(box.addButton(kind));
        buttons.back()->setText(captionOf(kind));
        buttons.back()->setIcon(QIcon());
    }
    const size_t def = static_cast<size_t>(r.defaultButton - 1);
    if (def < buttons.size())
        box.setDefaultButton(static_cast<QPushButton *>(buttons[def]));
    RunNestedLoop([&] { box.exec(); });
    for (size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return static_cast<int>(i + 1);
    return static_cast<int>(buttons.size()); // closed: the last (cancelling) button
}

} // namespace

int MessageBox(const String &title, const String &text, Icon icon, Buttons buttons, int defaultButton)
{
    const MessageBoxRequest request{title, text, icon, buttons, defaultButton};
    if (handler())
        return handler()(request);
    return showDialog(request);
}

void SetMessageBoxHandler(MessageBoxHandler h) { handler() = std::move(h); }

} // namespace runtime
