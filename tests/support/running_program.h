// A fixture that starts the trainer over a fresh copy of the test database,
// with every seam replaced: message boxes are answered and recorded, the end
// of the program is recorded, no page arrives and no browser starts.
#pragma once

#include "app/globals.h"
#include "runtime/ui/application.h"
#include "runtime/ui/halt.h"
#include "runtime/ui/messagebox.h"
#include "runtime/ui/urlopener.h"
#include "runtime/win32/module.h"
#include "start/app.h"
#include "test_database.h"
#include "test_windows.h"

#include <gtest/gtest.h>

class RunningProgram : public testing::Test {
protected:
    // Over the test bank, or over the bank given.
    RunningProgram() = default;
    explicit RunningProgram(const bank::Bank &b) : db(b) {}

    void SetUp() override
    {
        runtime::SetModuleFileName(db.folder() + "app.exe");
        runtime::SetMessageBoxHandler([this](const runtime::MessageBoxRequest &r) {
            boxes.push_back(r);
            return 1;
        });
        runtime::SetHaltHandler([this](int status) { halts.push_back(status); });
        runtime::SetUrlOpener([this](const runtime::String &url) { opened.push_back(url); });
        theApp().create();
    }
    void TearDown() override
    {
        CloseAllWindows();
        sqlca.Disconnect();
        runtime::SetModuleFileName("");
        runtime::SetMessageBoxHandler(nullptr);
        runtime::SetHaltHandler(nullptr);
        runtime::SetUrlOpener(nullptr);
        runtime::SetSystemErrorHandler(nullptr);
        runtime::SetApplicationCloseHandler(nullptr);
    }
    // Start-up as the program runs it: connects and opens the frame.
    void start() { ASSERT_TRUE(theApp().open()); }

    std::string frist()
    {
        runtime::String value = "(none)";
        sqlca.SelectInto("select frist from t_system where id =1", {}, value);
        return value;
    }

    TempDatabase db;
    std::unique_ptr<FakeNetwork> network = std::make_unique<FakeNetwork>();
    std::vector<runtime::MessageBoxRequest> boxes;
    std::vector<int> halts;
    std::vector<runtime::String> opened;
};
