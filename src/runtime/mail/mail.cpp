#include "runtime/mail/mail.h"

#include "runtime/script/script_state.h"
#include "runtime/ui/urlopener.h"

#include <QApplication>
#include <QInputDialog>
#include <QRegularExpression>
#include <QUrl>

namespace runtime {

namespace {

AddressDialog &addressDialog()
{
    static AddressDialog d;
    return d;
}

MailHandler &mailHandler()
{
    static MailHandler h;
    return h;
}

// Asks for the addresses in one line, separated by ';' or ','.
bool askForAddresses(std::vector<MailRecipient> &chosen)
{
    bool ok = false;
    QString typed;
    RunNestedLoop([&] {
        typed = QInputDialog::getText(QApplication::activeWindow(), ToQString("收件人"),
                                      ToQString("收件人地址（多个地址用分号隔开）:"), QLineEdit::Normal,
                                      QString(), &ok);
    });
    if (!ok)
        return false;
    chosen.clear();
    for (const QString &part : typed.split(QRegularExpression("[;,]"), Qt::SkipEmptyParts)) {
        const QString address = part.trimmed();
        if (!address.isEmpty())
            chosen.push_back({FromQString(address), FromQString(address)});
    }
    return true;
}

bool openInMailProgram(const MailMessage &message) { return OpenUrl(MailtoUrl(message)); }

String encoded(const String &text, const QByteArray &keep = {})
{
    return String(QUrl::toPercentEncoding(ToQString(text), keep).toStdString());
}

} // namespace

MailReturnCode MailSession::MailLogon()
{
    loggedOn_ = true;
    return MailReturnCode::Success;
}

MailReturnCode MailSession::MailLogoff()
{
    if (!loggedOn_)
        return MailReturnCode::LoginFailure;
    loggedOn_ = false;
    return MailReturnCode::Success;
}

MailReturnCode MailSession::MailAddress(MailMessage &message)
{
    if (!loggedOn_)
        return MailReturnCode::LoginFailure;
    std::vector<MailRecipient> chosen;
    const bool ok = addressDialog() ? addressDialog()(chosen) : askForAddresses(chosen);
    if (!ok)
        return MailReturnCode::UserAbort;
    message.Recipient = std::move(chosen);
    return MailReturnCode::Success;
}

MailReturnCode MailSession::MailSend(const MailMessage &message)
{
    if (!loggedOn_)
        return MailReturnCode::LoginFailure;
    const bool taken = mailHandler() ? mailHandler()(message) : openInMailProgram(message);
    return taken ? MailReturnCode::Success : MailReturnCode::Failure;
}

String MailtoUrl(const MailMessage &message)
{
    String url = "mailto:";
    for (size_t i = 0; i < message.Recipient.size(); ++i) {
        if (i > 0)
            url += ",";
        url += encoded(message.Recipient[i].Address.empty() ? message.Recipient[i].Name : message.Recipient[i].Address, "@");
    }
    String query;
    if (!message.Subject.empty())
        query += "subject=" + encoded(message.Subject);
    if (!message.NoteText.empty())
        query += String(query.empty() ? "" : "&") + "body=" + encoded(message.NoteText);
    if (!query.empty())
        url += "?" + query;
    return url;
}

void SetAddressDialog(AddressDialog d) { addressDialog() = std::move(d); }
void SetMailHandler(MailHandler h) { mailHandler() = std::move(h); }

} // namespace runtime
