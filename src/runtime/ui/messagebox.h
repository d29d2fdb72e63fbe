// Message boxes. Every box goes through one replaceable handler, so a test
// answers boxes without a real dialog.
#pragma once

#include "runtime/text/text.h"

#include <functional>

namespace runtime {

enum class Icon { Information, StopSign, Exclamation, Question, None };
enum class Buttons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };

struct MessageBoxRequest {
    String title;
    String text;
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::OK;
    int defaultButton = 1;
};

// Shows the box and returns the number of the button pressed, counted from 1
// in the order the Buttons value names them.
int MessageBox(const String &title, const String &text, Icon icon = Icon::Information,
               Buttons buttons = Buttons::OK, int defaultButton = 1);

using MessageBoxHandler = std::function<int(const MessageBoxRequest &)>;
// Replaces the handler; an empty handler restores the real dialog.
void SetMessageBoxHandler(MessageBoxHandler handler);

} // namespace runtime
