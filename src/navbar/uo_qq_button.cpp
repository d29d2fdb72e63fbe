#include "navbar/uo_qq_button.h"

#include "runtime/draw/colors.h"
#include "runtime/draw/units.h"

using namespace runtime;

namespace {
constexpr long kWhite = RGB(255, 255, 255);
constexpr long kBlack = RGB(0, 0, 0);
constexpr long kDesignBack = 31514848;
} // namespace

uo_qq_button::uo_qq_button(ControlParent &parent, const String &name) : UserObject(parent, name)
{
    Resize(411, 300);
    SetBackColor(kDesignBack);
    p_1.SetOriginalSize(true);
    p_1.Move(146, 32);
    p_1.SetPictureName("pic\\logo.gif");
    struct LineDesign {
        Line *line;
        int x1, y1, x2, y2;
        long color;
    };
    for (const LineDesign &d : {LineDesign{&ln_top, 5, 0, 375, 0, kWhite}, {&ln_bottom, 5, 280, 370, 280, kWhite},
                                {&ln_left, 0, 0, 0, 284, kWhite}, {&ln_right, 384, 8, 384, 292, kWhite},
                                {&ln_left2, 658, 492, 987, 780, RGB(0, 0, 255)},
                                {&ln_right2, 1157, 328, 1486, 616, RGB(128, 128, 128)},
                                {&ln_top2, 782, 272, 1111, 560, RGB(0, 0, 255)},
                                {&ln_bottom2, 722, 872, 1051, 1160, kWhite}}) {
        d.line->SetPoints(d.x1, d.y1, d.x2, d.y2);
        d.line->SetLineColor(d.color);
    }
    st_caption.Move(14, 200);
    st_caption.Resize(411, 56);
    st_caption.SetFont({"宋体", 10, 700, 134});
    st_caption.SetAlignment(Alignment::Center);
    st_caption.SetBackColor(kDesignBack);
    st_caption.SetText("My Pictures");
    st_caption.SetEnabled(false);

    BindMouse(*this, MouseMessage::MouseMove, ue_mousemove);
    BindMouse(*this, MouseMessage::LButtonDown, ue_mbuttondown);
    BindMouse(*this, MouseMessage::LButtonUp, ue_lbuttonup);
    BindMouse(p_1, MouseMessage::MouseMove, p_1.ue_mousemove);
    BindCaptureChanged(*this, ue_capturechanged);

    constructor = [this] {
        of_text(Tag());
        iuo_parent = dynamic_cast<Control *>(GetParent());
        const long parentBack = iuo_parent ? iuo_parent->BackColor() : 0;
        of_backcolor(parentBack);
        of_linecolor(parentBack);
        of_focuscolor(parentBack);
        of_paint();
        of_enabled(Enabled());
        of_showln2(false);
    };

    ue_mousemove = [this](unsigned long, int xpos, int ypos) { moveAt(xpos, ypos, Width(), Height(), Y()); };
    p_1.ue_mousemove = [this](unsigned long, int xpos, int ypos) {
        moveAt(xpos, ypos, p_1.Width(), p_1.Height(), p_1.Y());
    };

    // A window opened over the frame, or another control that took the
    // capture, leaves the button at rest: flat, neither hovered nor pressed,
    // so that the next move over it, or over its picture, takes the capture
    // again.
    ue_capturechanged = [this] {
        sh_ib_captured = false;
        ib_clicked = false;
        wf_buttonflat();
    };

    ue_mbuttondown = [this](unsigned long, int, int) {
        ib_clicked = true;
        wf_buttondown();
        sh_ib_captured = false;
    };

    ue_lbuttonup = [this](unsigned long, int, int) {
        const bool pressed = ib_clicked;
        ib_clicked = false;
        if (pressed) {
            wf_buttonup();
            ue_clicked.Trigger();
        }
        if (of_pointerleft(*this, curpos)) {
            sh_ib_captured = false;
            ReleaseCapture();
            wf_buttonflat();
        }
    };
}

// A move over the button or its picture: the first takes the capture, a
// later one that finds the pointer outside (or below the panel's edge)
// gives it up.
void uo_qq_button::moveAt(int xpos, int ypos, int width, int height, int y)
{
    if (!sh_ib_captured) {
        SetCapture(Handle(*this));
        sh_ib_captured = true;
        if (!ib_clicked)
            wf_buttonup();
        return;
    }
    const int parentHeight = iuo_parent ? iuo_parent->Height() : 0;
    if (xpos < 0 || ypos < 0 || xpos >= width || ypos > height || y + ypos >= parentHeight) {
        sh_ib_captured = false;
        ReleaseCapture();
        wf_buttonflat();
        ib_clicked = false;
    }
}

void uo_qq_button::setLook(long topLeft, long bottomRight, long back, const String &pic)
{
    ln_top.SetLineColor(topLeft);
    ln_left.SetLineColor(topLeft);
    ln_bottom.SetLineColor(bottomRight);
    ln_right.SetLineColor(bottomRight);
    SetBackColor(back);
    st_caption.SetBackColor(back);
    p_1.SetPictureName(pic);
}

void uo_qq_button::wf_buttonflat()
{
    setLook(linecolor, linecolor, backgroundcolor, picture);
    of_showln2(false);
}

void uo_qq_button::wf_buttonup() { setLook(kWhite, kBlack, focuscolor, focuspicture); }

void uo_qq_button::wf_buttondown()
{
    setLook(kBlack, kWhite, focuscolor, focuspicture);
    of_showln2(false);
}

void uo_qq_button::of_paint()
{
    if (focuscolor == 0)
        focuscolor = 13085093;
    if (linecolor == 0)
        linecolor = RGB(192, 192, 192);
    if (backgroundcolor == 0)
        backgroundcolor = RGB(224, 224, 224);
    for (Line *line : {&ln_top, &ln_bottom, &ln_left, &ln_right})
        line->SetLineColor(linecolor);
    of_backcolor(backgroundcolor);
    st_caption.SetTextColor(fontcolor);
    st_caption.SetX(20);
    st_caption.SetWidth(Width() - 40);
    p_1.SetX(static_cast<int>((Width() - p_1.Width()) * 0.5));
    ln_top.SetPoints(ln_top.BeginX(), ln_top.BeginY(), Width() - 2, ln_top.EndY());
    ln_bottom.SetPoints(ln_bottom.BeginX(), Height() - 6, Width() - 2, Height() - 6);
    ln_left.SetPoints(ln_left.BeginX(), ln_left.BeginY(), ln_left.EndX(), Height() - 4);
    ln_right.SetPoints(Width() - 6, ln_right.BeginY(), Width() - 6, Height() - 4);
    ln_top2.SetPoints(ln_top.BeginX() + 3, ln_top.BeginY() + 3, ln_top.EndX() - 3, ln_top.EndY() + 3);
    ln_left2.SetPoints(ln_left.BeginX() + 5, ln_left.BeginY() + 3, ln_left.EndX() + 5, ln_left.EndY() - 3);
}

void uo_qq_button::of_text(const String &st_text) { st_caption.SetText(st_text); }

String uo_qq_button::of_text() const { return st_caption.Text(); }

void uo_qq_button::of_picture(const String &st_picture)
{
    picture = st_picture;
    p_1.SetPictureName(st_picture);
    if (focuspicture.empty())
        focuspicture = st_picture;
    if (disablepicture.empty())
        disablepicture = st_picture;
}

void uo_qq_button::of_focuspicture(const String &st_picture) { focuspicture = st_picture; }

void uo_qq_button::of_disablepicture(const String &st_picture) { disablepicture = st_picture; }

void uo_qq_button::of_focuscolor(long lg_focuscolor) { focuscolor = lg_focuscolor; }

void uo_qq_button::of_linecolor(long lg_linecolor) { linecolor = lg_linecolor; }

void uo_qq_button::of_backcolor(long lg_backcolor)
{
    SetBackColor(lg_backcolor);
    st_caption.SetBackColor(lg_backcolor);
    backgroundcolor = lg_backcolor;
}

void uo_qq_button::of_enabled(bool bl_enabled)
{
    SetEnabled(bl_enabled);
    if (bl_enabled) {
        of_paint();
        st_caption.SetTextColor(RGB(0, 0, 0));
    } else {
        of_backcolor(RGB(192, 192, 192));
        st_caption.SetTextColor(RGB(128, 128, 128));
        p_1.SetPictureName(disablepicture);
    }
}

void uo_qq_button::of_showln2(bool ab_show)
{
    for (Line *line : {&ln_right2, &ln_left2, &ln_top2, &ln_bottom2})
        line->SetVisible(ab_show);
}
