// A group's list of buttons: appending, inserting beside a named button,
// removing, emptying, and the listing.
#include "navbar/nvo_qq_group.h"
#include "replaced.h"
#include "runtime/ui/messagebox.h"

#include <gtest/gtest.h>

#include <vector>

using namespace runtime;

namespace {

// The ids forwards, checked against the backward walk.
std::vector<String> Ids(const nvo_qq_group &group)
{
    std::vector<String> forward, backward;
    for (nvo_qq_node *n = group.firstnode; n; n = n->nextnode)
        forward.push_back(n->btnid);
    for (nvo_qq_node *n = group.lastnode; n; n = n->previousnode)
        backward.insert(backward.begin(), n->btnid);
    EXPECT_EQ(forward, backward);
    EXPECT_EQ(group.firstnode == nullptr, group.lastnode == nullptr);
    return forward;
}

void Fill(nvo_qq_group &group, std::initializer_list<const char *> ids)
{
    for (const char *id : ids)
        group.of_addbutton(id, id, "pic\\logo.gif");
}

} // namespace

TEST(Group, AppendingKeepsOrderAndDuplicatesAndTheFocusPictureIsTheNormalOne)
{
    nvo_qq_group group;
    Fill(group, {"a"});
    EXPECT_EQ(group.firstnode, group.lastnode);
    EXPECT_EQ(group.firstnode->previousnode, nullptr);
    EXPECT_EQ(group.firstnode->nextnode, nullptr);
    Fill(group, {"b", "a"});
    EXPECT_EQ(Ids(group), (std::vector<String>{"a", "b", "a"}));
    EXPECT_EQ(group.lastnode->picfocus, "pic\\logo.gif");
    EXPECT_TRUE(group.of_addbutton("c", "C", "n.gif", "f.gif"));
    EXPECT_EQ(group.lastnode->picfocus, "f.gif");
}

TEST(Group, InsertingAndRemovingRelinkBothWays)
{
    struct Case {
        const char *what;
        const char *at;
        bool result;
        std::vector<String> after;
    };
    const Case cases[] = {
        {"before", "a", true, {"n", "a", "b", "c"}},   {"before", "c", true, {"a", "b", "n", "c"}},
        {"after", "c", true, {"a", "b", "c", "n"}},    {"after", "a", true, {"a", "n", "b", "c"}},
        {"before", "x", false, {"a", "b", "c"}},       {"after", "x", false, {"a", "b", "c"}},
        {"remove", "a", true, {"b", "c"}},             {"remove", "b", true, {"a", "c"}},
        {"remove", "c", true, {"a", "b"}},             {"remove", "x", false, {"a", "b", "c"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.what) + " " + c.at);
        nvo_qq_group group;
        Fill(group, {"a", "b", "c"});
        const String what = c.what;
        const bool result = what == "before"  ? group.of_insertbefore(c.at, "n", "N", "p", "f")
                            : what == "after" ? group.of_insertafter(c.at, "n", "N", "p", "f")
                                              : group.of_removebutton(c.at);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(Ids(group), c.after);
    }
}

TEST(Group, EmptyListsAndDuplicateIds)
{
    nvo_qq_group group;
    EXPECT_FALSE(group.of_insertbefore("a", "n", "", "", ""));
    EXPECT_FALSE(group.of_insertafter("a", "n", "", "", ""));
    EXPECT_FALSE(group.of_removebutton("a"));
    EXPECT_EQ(group.of_resetlist(), 0);

    Fill(group, {"a", "b", "a"});
    EXPECT_TRUE(group.of_removebutton("a"));
    EXPECT_EQ(Ids(group), (std::vector<String>{"b", "a"}));
    EXPECT_TRUE(group.of_removebutton("b"));
    EXPECT_TRUE(group.of_removebutton("a"));
    EXPECT_EQ(group.firstnode, nullptr);
    EXPECT_EQ(group.lastnode, nullptr);

    Fill(group, {"a", "b", "c"});
    EXPECT_EQ(group.of_resetlist(), 3);
    EXPECT_TRUE(Ids(group).empty());
    Fill(group, {"d"});
    EXPECT_EQ(Ids(group), std::vector<String>{"d"});
}

TEST(Group, TheListingShowsEveryButtonAndBothEnds)
{
    std::vector<MessageBoxRequest> shown;
    Replaced answered(SetMessageBoxHandler, [&](const MessageBoxRequest &r) {
        shown.push_back(r);
        return 1;
    });
    nvo_qq_group group;
    group.of_showallbtn();
    group.of_addbutton("a", "A", "p");
    group.of_addbutton("b", "B", "p");
    group.of_showallbtn();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].title, "Node List");
    EXPECT_EQ(shown[0].text, "结点列表");
    EXPECT_EQ(shown[1].text, "结点列表\ra\tA\rb\tB\r头结点:a\r尾结点:b");
}
