#include "navbar/uo_qq_panel.h"

#include "navbar/uo_qq_pb.h"
#include "runtime/script/error.h"

using namespace runtime;

namespace {
constexpr int buttoninterval = 16;
constexpr int headerheight = 92;
constexpr int numofbtns = 16;
constexpr double showpercent = 0.2;
} // namespace

uo_qq_panel::uo_qq_panel(ControlParent &parent, const String &name) : UserObject(parent, name)
{
    Resize(699, 5072);
    SetBackColor(32633329);
    const std::array<uo_qq_button *, numofbtns> slotsInOrder = {&uo_btn1,  &uo_btn2,  &uo_btn3,  &uo_btn4,  &uo_btn5,  &uo_btn6,
                                      &uo_btn7,  &uo_btn8,  &uo_btn9,  &uo_btn10, &uo_btn11, &uo_btn12,
                                      &uo_btn13, &uo_btn14, &uo_btn15, &uo_btn16};
    const int tabOrders[numofbtns] = {20, 50, 60, 70, 80, 90, 100, 110, 190, 120, 130, 140, 150, 160, 170, 180};
    for (int k = 0; k < numofbtns; ++k) {
        uo_qq_button *slot = slotsInOrder[k];
        slot->Move(91, 140 + 304 * k);
        slot->Resize(389, 296);
        slot->SetVisible(false);
        slot->SetTabOrder(tabOrders[k]);
        // A click on a slot hands the id of the node it shows to the panel.
        slot->ue_clicked = [this, slot] { ue_button_clicked.Trigger(slot->btnid); };
    }
    uo_btn1.SetTag("测试按钮1");
    uo_btn2.SetTag("测试按钮2");

    cb_down.Move(553, 1380);
    cb_down.Resize(128, 92);
    cb_down.SetTabOrder(30);
    cb_down.SetText("▼");
    cb_down.SetFont({"幼圆", 8, 400, 134});
    cb_up.Move(567, 144);
    cb_up.Resize(114, 92);
    cb_up.SetTabOrder(40);
    cb_up.SetText("▲");
    cb_up.SetFont({"宋体", 8, 400, 134});
    cb_down.clicked = [this] {
        firstnodeonpage = firstnodeonpage + 1;
        of_redraw();
    };
    cb_up.clicked = [this] {
        firstnodeonpage = firstnodeonpage - 1;
        of_redraw();
    };

    uo_header.Move(0, 0);
    uo_header.Resize(686, 104);
    uo_header.SetTabOrder(10);
    uo_header.ue_clicked = [this] { ue_header_clicked.Trigger(); };

    constructor = [this, slotsInOrder] {
        uo_header.SetWidth(Width() - 6);
        if (thegroup) {
            uo_header.of_text(thegroup->text);
            uo_header.of_paint();
        }
        for (int k = 0; k < numofbtns; ++k)
            buttons[k] = slotsInOrder[k];
        cb_up.SetVisible(false);
        cb_down.SetVisible(false);
        if (thegroup && thegroup->firstnode) {
            firstnodeonpage = 1;
            for (nvo_qq_node *node = thegroup->firstnode; node; node = node->nextnode) {
                ++numofnodes;
                nodes.push_back(node);
            }
        }
        buttonwidth = static_cast<short>(Width() - 100);
        of_redraw();
    };

    ue_header_clicked = [this] {
        if (uo_qq_pb *lpo_bar = bar())
            lpo_bar->ue_header_clicked.Trigger(groupid());
    };

    ue_button_clicked = [this](String btnid) {
        if (uo_qq_pb *lpo_bar = bar())
            lpo_bar->ue_button_clicked.Trigger(groupid(), btnid);
    };

    ue_deactivate = [this] {
        for (uo_qq_button *button : buttons) {
            if (!button)
                continue;
            button->sh_ib_captured = false;
            button->releasecapture();
            button->wf_buttonflat();
            button->ib_clicked = false;
        }
    };
}

uo_qq_pb *uo_qq_panel::bar() const
{
    auto *window = dynamic_cast<ControlParent *>(GetParent());
    if (!window)
        return nullptr;
    for (Control *control : window->Controls())
        if (Handle(*control) == parenthandle)
            return dynamic_cast<uo_qq_pb *>(control);
    return nullptr;
}

const String &uo_qq_panel::groupid() const
{
    if (!thegroup)
        Raise(ErrorNumber::NullObjectReference);
    return thegroup->groupid;
}

long uo_qq_panel::of_calc(const String &st_calctype) const
{
    if (st_calctype != "ButtonsCanShow")
        return 0;
    const long room = Height() - (Y() + headerheight);
    return static_cast<long>(static_cast<double>(room) / (buttonheight + buttoninterval) + (1 - showpercent));
}

void uo_qq_panel::of_redraw()
{
    if (firstnodeonpage == 0)
        return;
    const long n = of_calc("ButtonsCanShow");
    for (long k = 1; k <= numofbtns; ++k) {
        uo_qq_button &button = *buttons[k - 1];
        const long p = firstnodeonpage + k - 1;
        if (k > n || p < 1 || p > numofnodes) {
            button.SetVisible(false);
            continue;
        }
        const nvo_qq_node &node = *nodes[p - 1];
        button.btnid = node.btnid;
        button.SetHeight(buttonheight);
        if (button.Height() != buttonheight)
            buttonheight = static_cast<short>(button.Height());
        if (button.Width() != buttonwidth) {
            button.SetWidth(buttonwidth);
            button.of_paint();
            buttonwidth = static_cast<short>(button.Width());
        }
        button.SetX(static_cast<int>((Width() - button.Width()) * 0.5));
        button.of_text(node.text);
        button.of_picture(node.picnormal);
        button.of_focuspicture(node.picfocus);
        button.SetVisible(true);
    }
    cb_up.Move(Width() - 100, 120);
    cb_down.Move(Width() - 100, Height() - 120);
    cb_up.SetVisible(firstnodeonpage != 1);
    cb_down.SetVisible(!(firstnodeonpage + n > numofnodes));
    if (n == 0)
        of_hidespin();
}

void uo_qq_panel::of_hidespin()
{
    cb_up.SetVisible(false);
    cb_down.SetVisible(false);
}

void uo_qq_panel::of_resize()
{
    for (uo_qq_button *button : buttons)
        if (button)
            button->of_paint();
}
