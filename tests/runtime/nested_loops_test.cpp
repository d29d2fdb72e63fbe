// The nested event loops of the runtime: whichever one a script waits in,
// what the script changed shows before the loop starts, and the scripts the
// loop delivers return to it, so what they change shows as each returns.
#include "runtime/dw/print.h"
#include "runtime/mail/mail.h"
#include "runtime/net/inet.h"
#include "runtime/ui/clock.h"
#include "runtime/ui/commandbutton.h"
#include "runtime/ui/menu.h"
#include "runtime/ui/messagebox.h"
#include "runtime/ui/statictext.h"
#include "runtime/ui/window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QMenu>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace runtime;

namespace {

class m_pop : public Menu {
public:
    m_pop() : Menu("m_pop") { m_edit.SetText("Edit"); m_copy.SetText("Copy"); }
    MenuItem m_edit{*this, "m_edit"};
    MenuItem m_copy{m_edit, "m_copy"};
};

class w_opener : public Window {
public:
    w_opener() : Window("w_opener")
    {
        st_1.SetText("shown and hidden");
        SetMenu(std::make_unique<m_pop>());
    }
    CommandButton cb_1{*this, "cb_1"};
    StaticText st_1{*this, "st_1"};
    StaticText st_2{*this, "st_2"};
};
GlobalWindow<w_opener> opener;

class w_response : public Window {
public:
    w_response() : Window("w_response") { SetWindowType(WindowType::Response); }
    CommandButton cb_ok{*this, "cb_ok"};
};
GlobalWindow<w_response> response;

struct Done : InternetResult {
    int InternetData(const Blob &) override { return 1; }
};

// Ends the dialog a loop waits on: the message box, the address dialog, the
// print dialog.
void RejectModalDialog()
{
    if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
        dialog->reject();
}

class NestedLoops : public testing::Test {
protected:
    void SetUp() override { Open(opener); }
    void TearDown() override
    {
        Close(response);
        Close(opener);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetPageFetcher(nullptr);
    }
};

TEST_F(NestedLoops, WhatTheOpenerAndTheLoopsScriptsChangeShowsInEveryLoop)
{
    PageDone answer;
    struct Case {
        std::string loop;
        std::function<void()> start; // run by the opener's script
        std::function<void()> end;   // run by a script of the loop
    } cases[] = {
        {"response window", [] { Open(response); }, [] { Close(response); }},
        {"message box", [] { MessageBox("loop", "a box"); }, RejectModalDialog},
        {"pause", [] { CurrentClock().Pause(Milliseconds(300)); }, [] {}},
        {"pop-up menu", [] { static_cast<m_pop &>(*opener->MenuID()).m_edit.PopMenu(0, 0); },
         [] { QApplication::activePopupWidget()->close(); }},
        {"address dialog",
         [] {
             MailSession session;
             session.MailLogon();
             MailMessage message;
             session.MailAddress(message);
         },
         RejectModalDialog},
        {"page wait",
         [] {
             Done result;
             Inet().GetURL("http://example.com/", result);
         },
         [&] { answer(Page("ok")); }},
        {"print dialog",
         [] {
             DataObject d("d_print");
             d.column("a", ColumnType::Char, 1);
             PrintDataStore(DataStore(d));
         },
         RejectModalDialog},
    };
    SetPageFetcher([&](const String &, PageDone done) { answer = std::move(done); });

    StaticText &hidden = opener->st_1; // by the opener, shown again in the loop
    StaticText &other = opener->st_2;  // hidden in the loop
    for (const Case &c : cases) {
        SCOPED_TRACE(c.loop);
        bool hiddenWhenTheLoopRan = false, followedOnceItsScriptReturned = false;
        // Scripts the loop delivers: the first shows one text again and hides
        // the other; the second, once the first has returned to the loop,
        // looks and ends the loop.
        QTimer::singleShot(0, [&] {
            hiddenWhenTheLoopRan = hidden.widget()->isHidden();
            hidden.SetVisible(true);
            other.SetVisible(false);
            QTimer::singleShot(0, [&] {
                followedOnceItsScriptReturned = !hidden.widget()->isHidden() && other.widget()->isHidden();
                c.end();
            });
        });
        opener->cb_1.clicked = [&] {
            hidden.SetVisible(false);
            c.start();
        };
        opener->cb_1.clicked.Trigger();
        EXPECT_TRUE(hiddenWhenTheLoopRan);
        EXPECT_TRUE(followedOnceItsScriptReturned);
        EXPECT_FALSE(hidden.widget()->isHidden());
        EXPECT_TRUE(other.widget()->isHidden());
        other.SetVisible(true);
    }
}

} // namespace
