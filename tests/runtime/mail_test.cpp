// Mail handed to the desktop's mail program: the session's steps and the
// mailto: address the message becomes.
#include "runtime/mail/mail.h"
#include "runtime/ui/urlopener.h"

#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

class Mail : public testing::Test {
protected:
    void TearDown() override
    {
        SetAddressDialog(nullptr);
        SetMailHandler(nullptr);
        SetUrlOpener(nullptr);
    }
};

TEST_F(Mail, MailtoAddressCarriesRecipientsAndTheWholeText)
{
    MailMessage m;
    m.Recipient = {{"Support", "support@example.com"}, {"", "a+b@example.org"}};
    m.NoteText = "       错误代码 : 6\r\na&b=c?d #1 100%\r\n";
    const String url = MailtoUrl(m);
    const String start = "mailto:support@example.com,a%2Bb@example.org?body=";
    EXPECT_EQ(url.substr(0, start.size()), start);

    const QUrl parsed(ToQString(url));
    ASSERT_TRUE(parsed.isValid());
    EXPECT_EQ(parsed.scheme(), "mailto");
    const QUrlQuery query(parsed);
    EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded), ToQString(m.NoteText));
    EXPECT_FALSE(query.hasQueryItem("subject"));

    EXPECT_EQ(MailtoUrl({}), "mailto:");
}

TEST_F(Mail, SessionAddressesAndHandsOverThroughTheUrlOpener)
{
    std::vector<String> opened;
    SetUrlOpener([&](const String &url) { opened.push_back(url); });
    SetAddressDialog([](std::vector<MailRecipient> &chosen) {
        chosen = {{"x", "x@example.com"}};
        return true;
    });

    MailSession session;
    MailMessage m;
    EXPECT_EQ(session.MailSend(m), MailReturnCode::LoginFailure); // not logged on
    ASSERT_EQ(session.MailLogon(), MailReturnCode::Success);
    ASSERT_EQ(session.MailAddress(m), MailReturnCode::Success);
    ASSERT_EQ(m.Recipient.size(), 1u);
    m.NoteText = "report";
    EXPECT_EQ(session.MailSend(m), MailReturnCode::Success);
    EXPECT_EQ(opened, std::vector<String>{"mailto:x@example.com?body=report"});
    EXPECT_EQ(session.MailLogoff(), MailReturnCode::Success);
    EXPECT_EQ(session.MailLogoff(), MailReturnCode::LoginFailure);
}

TEST_F(Mail, CancelledAddressDialogLeavesTheMessageAlone)
{
    SetAddressDialog([](std::vector<MailRecipient> &chosen) {
        chosen = {{"ignored", "ignored@example.com"}};
        return false;
    });
    MailSession session;
    session.MailLogon();
    MailMessage m;
    m.Recipient = {{"kept", "kept@example.com"}};
    EXPECT_EQ(session.MailAddress(m), MailReturnCode::UserAbort);
    ASSERT_EQ(m.Recipient.size(), 1u);
    EXPECT_EQ(m.Recipient[0].Name, "kept");

    SetMailHandler([](const MailMessage &) { return false; });
    EXPECT_EQ(session.MailSend(m), MailReturnCode::Failure);
}

} // namespace
