#include "frame/w_main.h"

#include "app/globals.h"
#include "app/maker.h"
#include "app/n_internetresult.h"
#include "dataobjects/dataobjects.h"
#include "frame/m_main.h"
#include "frame/w_about.h"
#include "runtime/draw/colors.h"
#include "runtime/ui/clock.h"

using namespace runtime;

runtime::GlobalWindow<class w_main> w_main;

namespace {

// The navigation bar's width while it is shown.
constexpr int kNavigationWidth = 571;

Font songti(int points, bool bold, bool underline = false)
{
    Font f{"宋体", points, bold ? 700 : 400, kGB2312CharSet};
    f.underline = underline;
    return f;
}

} // namespace

w_main::w_main() : w_windows("w_main")
{
    SetWindowType(WindowType::MDI);
    SetWindowState(WindowState::Maximized);
    Resize(5225, 3556);
    SetMenu(std::make_unique<m_main>());
    createControls();

    open = [this] { openScript(); };
    resize = [this](unsigned long, int, int) { resizeScript(); };
    ue_hide = [this] { showNavigation(false); };
    ue_show = [this] { showNavigation(true); };
    ue_drawitem = [this](unsigned long childid, long drawitemstruct) {
        inv_supermenu.of_drawitem(childid, drawitemstruct);
    };
    ue_measureitem = [this](unsigned long childid, long measureitemstruct) {
        inv_supermenu.of_measureitem(childid, measureitemstruct);
    };

    // A navigation button runs the menu item of the same text, once the
    // click has been handled completely.
    uo_look.ue_button_clicked = [this](String, String btnid) {
        for (MenuItem *top : MenuID()->Item())
            for (MenuItem *item : top->Item())
                if (item->Text() == btnid) {
                    item->clicked.Post();
                    return;
                }
    };

    p_logo.clicked = [] { Open(w_about); };
}

void w_main::createControls()
{
    mdi_1.SetBackColor(kAppWorkspace);

    const Font welcome = songti(12, true);
    struct Text {
        StaticText &control;
        int x, y, width;
        const char *text;
    };
    for (const Text &t : {Text{st_3, 1518, 884, 2775, "本培训网有视频讲解、试题解答、归纳总结考试技巧、不看书也能轻松考上95分"},
                          Text{st_1, 1518, 776, 1477, "维拓驾考宝典：交规考试速成网站"},
                          Text{st_2, 1513, 540, 1755, "维拓网：机动车驾驶员培训、模拟考试网站"}}) {
        t.control.Move(t.x, t.y);
        t.control.Resize(t.width, 128);
        t.control.SetText(t.text);
        t.control.SetFont(welcome);
        t.control.SetTextColor(RGB(255, 0, 255));
        t.control.SetBackColor(RGB(255, 255, 255));
    }

    struct Link {
        StaticHyperLink &control;
        int x, y;
        const char *address;
    };
    for (const Link &l : {Link{shl_2, 1509, 644, kMakerOtherSite}, Link{shl_1, 1527, 400, kMakerHomePage}}) {
        l.control.Move(l.x, l.y);
        l.control.Resize(1938, 136);
        l.control.SetText(l.address);
        l.control.SetURL(l.address);
        l.control.SetFont(songti(20, true, true));
        l.control.SetTextColor(kHyperLinkColor);
        l.control.SetBackColor(RGB(255, 255, 255));
        l.control.SetPointer("HyperLink!");
    }

    uo_1.Move(0, 0);
    uo_1.Resize(8000, 196);
    uo_1.SetBorderStyle(BorderStyle::None);
    uo_1.SetTabOrder(30);

    uo_look.Move(0, 196);
    uo_look.Resize(kNavigationWidth, 1044);
    uo_look.SetBorderStyle(BorderStyle::Lowered);
    uo_look.SetBringToTop(true);
    uo_look.SetTabOrder(10);

    p_logo.Move(14, 20);
    p_logo.Resize(160, 148);
    p_logo.SetPictureName("pic\\cat.gif");
    p_logo.SetPointer("HyperLink!");
    p_logo.SetBringToTop(true);

    dw_frame_status_bar.Move(270, 3124);
    dw_frame_status_bar.Resize(1595, 84);
    dw_frame_status_bar->SetDataObject(d_cm_status_bar());
    dw_frame_status_bar->SetBorder(false);
    dw_frame_status_bar->SetVScrollBar(false);
    dw_frame_status_bar.SetTabOrder(10);

    struct Frame {
        GroupBox &control;
        int x, y, height, tabOrder;
    };
    for (const Frame &f : {Frame{gb_1, 695, 0, 3160, 20}, Frame{gb_2, 690, 3104, 2688, 30},
                           Frame{gb_3, 686, 3200, 2688, 30}, Frame{gb_4, 713, 3028, 2688, 40}}) {
        f.control.Move(f.x, f.y);
        f.control.Resize(4315, f.height);
        f.control.SetFont(songti(20, true));
        f.control.SetTextColor(RGB(0, 0, 255));
        f.control.SetBackColor(RGB(255, 255, 255));
        f.control.SetTabOrder(f.tabOrder);
    }

    ole_web.Move(759, 1132);
    ole_web.Resize(3808, 940);
    ole_web.SetFont(songti(10, false));
    ole_web.SetBringToTop(true);
    ole_web.SetTabOrder(20);
}

void w_main::openScript()
{
    // 1. Title
    SetTitle(str_sys.systemname + "  V" + str_sys.ver + " (" + str_sys.dbver + ")");

    // 2. Status texts
    dw_frame_status_bar->Modify("st_mess.text=\"" + str_sys.usercorp + "\"");
    dw_frame_status_bar->Modify("st_user.text=\"" + str_sys.username + "\"");
    dw_frame_status_bar->Modify("st_unitname.text='正常'");

    // 3. The date and time of the opening
    dw_frame_status_bar->InsertRow(0);
    dw_frame_status_bar->SetItem(1, "sys_date", DateTimeNow());

    // 4. Toolbar, from the menu
    uo_1.of_setalign("botton");
    uo_1.of_setbuttonsize(16);
    uo_1.of_readmenu(MenuID());
    uo_1.of_hidebottom();
    uo_1.of_draw();

    // 5. Navigation bar shown at its full width
    ue_show.Trigger();

    // 6. Navigation bar: a group per enabled top-level item, a button per
    // enabled sub-item
    for (MenuItem *top : MenuID()->Item()) {
        if (!top->Enabled())
            continue;
        nvo_qq_group *lnv_group = uo_look.of_addgroup(top->Text(), top->Text());
        for (MenuItem *item : top->Item())
            if (item->Enabled() && item->Text() != "-")
                lnv_group->of_addbutton(item->Text(), item->Text(), "pic\\logo.gif");
    }
    uo_look.of_movespeed(5);
    uo_look.of_draw();

    // 7. Browser strip: shown only when the maker's site answers
    of_show_maker_news(ole_web);
}

void w_main::resizeScript()
{
    const int li_height = WorkSpaceHeight();
    const int li_width = WorkSpaceWidth();
    const int S = dw_frame_status_bar.Height();
    const int T = uo_1.Height();

    mdi_1.Move(WorkSpaceX(), WorkSpaceY() - 4);
    mdi_1.Resize(li_width, li_height - S + 8);

    dw_frame_status_bar.Move(WorkSpaceX() - 4, mdi_1.Y() + mdi_1.Height());
    dw_frame_status_bar.SetWidth(li_width + 4);

    gb_1.SetX(uo_look.X() + uo_look.Width() + 12);
    gb_1.SetHeight(mdi_1.Height());
    gb_1.SetWidth(li_width - uo_look.Width());

    // The maker's panel stretches to the frame's width: one Modify for all.
    auto assign = [](const char *attribute, int value) {
        return String(attribute) + "=\"" + String(value) + "\"";
    };
    const int li_bmp_x = li_width - 54;
    String ls_modify = assign("line_1.x2", li_width) + " " + assign("line_3.x1", li_width) + " " +
                       assign("line_3.x2", li_width) + " " + assign("line_2.x2", li_bmp_x) + " ";

    if (li_width - 10 <= 0)
        return;

    const int ls_x = Integer(dw_frame_status_bar->Describe("line_1.x1")) + 44;
    const int ls_w = li_width - ls_x - 184;
    ls_modify += assign("st_mess.width", ls_w) + " " + assign("p_resize.x", li_bmp_x);
    dw_frame_status_bar->Modify(ls_modify);

    uo_look.SetHeight(WorkSpaceHeight() - S - T);
    uo_look.of_resize();

    mdi_1.Move(uo_look.X() + uo_look.Width() + 12, uo_look.Y());
    mdi_1.Resize(WorkSpaceWidth() - uo_look.Width() - 12, uo_look.Height());

    p_logo.SetX(li_width - p_logo.Width() - 30);

    dw_frame_status_bar.SetBringToTop(true);
}

void w_main::showNavigation(bool ab_show)
{
    SetRedraw(false);
    uo_look.SetWidth(ab_show ? kNavigationWidth : 0);
    resize.Trigger(0, 0, 0);
    mdi_1.SetBringToTop(!ab_show);
    dw_frame_status_bar.SetBringToTop(true);
    SetRedraw(true);
}
