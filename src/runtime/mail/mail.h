// Mail: a message handed to the desktop's mail program.
//
// The program works with a session as with a mail service: log on, let the
// user choose the recipients in an address dialog, set the note text, send,
// log off. Nothing is sent from here: sending opens the message, addressed
// and filled in, in the desktop's mail program (a mailto: address), where
// the user sends it. The address dialog and the hand-over are replaceable,
// so a test sees the message instead of a dialog and a mail program.
#pragma once

#include "runtime/text/text.h"

#include <functional>
#include <vector>

namespace runtime {

enum class MailReturnCode { Success = 0, Failure, LoginFailure, UserAbort };

struct MailRecipient {
    String Name;
    String Address;
};

struct MailMessage {
    String Subject;
    String NoteText;
    std::vector<MailRecipient> Recipient;
};

class MailSession {
public:
    // There is no account to log on to: the desktop's mail program has it.
    MailReturnCode MailLogon();
    MailReturnCode MailLogoff();
    // Shows the address dialog; the recipients chosen replace the message's.
    // UserAbort when the user cancels it.
    MailReturnCode MailAddress(MailMessage &message);
    // Hands the message to the mail program; Failure when none takes it.
    MailReturnCode MailSend(const MailMessage &message);

private:
    bool loggedOn_ = false;
};

// The address that opens the message in the desktop's mail program:
// "mailto:" + the addresses, then the subject and body, percent-encoded UTF-8.
String MailtoUrl(const MailMessage &message);

// The address dialog: fills chosen and returns true, or returns false when
// the user cancels.
using AddressDialog = std::function<bool(std::vector<MailRecipient> &chosen)>;
// Hands a message on: true when the mail program took it.
using MailHandler = std::function<bool(const MailMessage &message)>;
// Replace the dialog and the hand-over; empty ones restore the desktop's
// (a small dialog for the addresses; the mailto: address opened through the
// URL opener).
void SetAddressDialog(AddressDialog dialog);
void SetMailHandler(MailHandler handler);

} // namespace runtime
