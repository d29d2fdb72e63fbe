// Quitting never waits on the network: with a name server that never
// answers, the real trainer, its maker's page still looking its host up,
// ends as its last window closes, and a trainer started at once after it
// gets the database and shows its frame. Runs on a real X server
// (xvfb-run); the frame is closed as a window manager's close box does.
#include "child_process.h"
#include "test_database.h"

#include <QFile>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

class X11 {
public:
    X11() : c_(xcb_connect(nullptr, nullptr)) {}
    ~X11() { xcb_disconnect(c_); }
    bool connected() const { return !xcb_connection_has_error(c_); }

    // The viewable top-level window of the process whose title starts with
    // the text given, 0 when there is none.
    xcb_window_t windowOf(pid_t pid, const std::string &titleStart)
    {
        xcb_window_t found = 0;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        xcb_query_tree_reply_t *tree = xcb_query_tree_reply(c_, xcb_query_tree(c_, root), nullptr);
        if (!tree)
            return 0;
        const xcb_window_t *children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i) {
            const xcb_window_t w = children[i];
            xcb_get_window_attributes_reply_t *a =
                xcb_get_window_attributes_reply(c_, xcb_get_window_attributes(c_, w), nullptr);
            const bool viewable = a && a->map_state == XCB_MAP_STATE_VIEWABLE;
            free(a);
            const std::string pidBytes = property(w, "_NET_WM_PID");
            if (viewable && pidBytes.size() == 4 && *reinterpret_cast<const uint32_t *>(pidBytes.data()) ==
                                                          static_cast<uint32_t>(pid) &&
                property(w, "_NET_WM_NAME").rfind(titleStart, 0) == 0)
                found = w;
        }
        free(tree);
        return found;
    }

    // What a window manager sends when the close box is clicked.
    void askToClose(xcb_window_t w)
    {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = w;
        event.type = atom("WM_PROTOCOLS");
        event.data.data32[0] = atom("WM_DELETE_WINDOW");
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(c_, 0, w, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
        xcb_flush(c_);
    }

private:
    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *r =
            xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, static_cast<uint16_t>(strlen(name)), name), nullptr);
        const xcb_atom_t a = r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
        free(r);
        return a;
    }
    std::string property(xcb_window_t w, const char *name)
    {
        xcb_get_property_reply_t *r = xcb_get_property_reply(
            c_, xcb_get_property(c_, 0, w, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
        std::string value;
        if (r)
            value.assign(static_cast<const char *>(xcb_get_property_value(r)),
                         static_cast<size_t>(xcb_get_property_value_length(r)));
        free(r);
        return value;
    }

    xcb_connection_t *c_;
};

// Waits up to the time given for the condition; true when it came.
template <class F>
bool waitFor(F condition, std::chrono::milliseconds limit)
{
    const auto end = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// Titles as X11 carries them, in UTF-8.
std::string utf8(const char8_t *s) { return reinterpret_cast<const char *>(s); }
const std::string kFrameTitle = utf8(u8"维拓练习系统"), kWarningTitle = utf8(u8"警告");

class Quitting : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(x11.connected()) << "no X server";
        // The program folder as installed: the trainer beside its database.
        folder_ = std::filesystem::path(db.folder()).parent_path().string();
        ASSERT_TRUE(std::filesystem::copy_file(TRAINER_BINARY, folder_ + "/trainer"));
    }

    // A trainer with the silent name server, its frame shown and its lookup
    // of the maker's host under way.
    pid_t startTrainer(xcb_window_t &frame)
    {
        const std::string mark = folder_ + "/looking-up";
        QFile::remove(QString::fromStdString(mark));
        const pid_t pid = StartChild({folder_ + "/trainer"}, {{"LD_PRELOAD", SILENT_NAME_SERVER},
                                                              {"SILENT_NAME_SERVER_MARK", mark},
                                                              {"QT_QPA_PLATFORM", "xcb"}});
        EXPECT_GT(pid, 0);
        running.push_back(pid);
        xcb_window_t warning = 0;
        EXPECT_TRUE(waitFor(
            [&] {
                frame = x11.windowOf(pid, kFrameTitle);
                warning = x11.windowOf(pid, kWarningTitle);
                return frame || warning;
            },
            std::chrono::seconds(20)))
            << "no window";
        EXPECT_EQ(warning, 0u) << "the trainer warns instead of showing its frame";
        EXPECT_TRUE(waitFor([&] { return QFile::exists(QString::fromStdString(mark)); }, std::chrono::seconds(10)))
            << "no name lookup";
        return pid;
    }

    // Closes the frame and waits for the process's end; how long it took,
    // or nothing when the process still ran after the limit.
    std::optional<std::chrono::milliseconds> quit(pid_t pid, xcb_window_t frame)
    {
        const auto closed = Clock::now();
        x11.askToClose(frame);
        std::optional<ChildEnd> end;
        if (!waitFor([&] { return (end = ChildEnded(pid, false)).has_value(); }, std::chrono::seconds(10)))
            return std::nullopt;
        std::erase(running, pid);
        EXPECT_EQ(end->exitCode, 0);
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - closed);
    }

    void TearDown() override
    {
        for (pid_t pid : running) {
            kill(pid, SIGKILL);
            ChildEnded(pid);
        }
    }

    X11 x11;
    TempDatabase db;
    std::string folder_;
    std::vector<pid_t> running;
};

TEST_F(Quitting, TheTrainerEndsAsItsLastWindowClosesWhileItsNameLookupHangs)
{
    xcb_window_t frame = 0;
    const pid_t first = startTrainer(frame);
    ASSERT_NE(frame, 0u);
    const auto took = quit(first, frame);
    ASSERT_TRUE(took.has_value()) << "still running 10 s after its frame closed";
    RecordProperty("close_to_end_ms", static_cast<int>(took->count()));
    std::printf("the trainer ended %lld ms after its frame was closed\n", static_cast<long long>(took->count()));

    // At once, a second trainer gets the database: its frame shows, not the
    // box that says another trainer uses it.
    const pid_t second = startTrainer(frame);
    ASSERT_NE(frame, 0u);
    EXPECT_TRUE(quit(second, frame).has_value());
}

} // namespace
