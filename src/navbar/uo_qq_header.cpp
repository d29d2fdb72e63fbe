#include "navbar/uo_qq_header.h"

#include "runtime/draw/colors.h"
#include "runtime/draw/units.h"

using namespace runtime;

namespace {
constexpr long kWhite = RGB(255, 255, 255);
constexpr long kGrey = RGB(128, 128, 128);
constexpr long kBlack = RGB(0, 0, 0);
constexpr long kFace = RGB(192, 192, 192);
} // namespace

uo_qq_header::uo_qq_header(ControlParent &parent, const String &name) : UserObject(parent, name)
{
    Resize(544, 104);
    SetBackColor(kFace);
    ln_top.SetLineColor(kWhite);
    ln_top.SetPoints(5, 4, 530, 4);
    ln_bottom.SetLineColor(kGrey);
    ln_bottom.SetPoints(9, 96, 530, 96);
    ln_left.SetLineColor(kWhite);
    ln_left.SetPoints(5, 4, 5, 100);
    ln_right.SetLineColor(kGrey);
    ln_right.SetPoints(530, 4, 530, 100);
    for (Line *shade : {&ln_bt1, &ln_bt2}) {
        shade->SetVisible(false);
        shade->SetLineColor(kGrey);
    }
    ln_bt1.SetPoints(357, 8, 357, 104);
    ln_bt2.SetPoints(9, 104, 366, 104);
    st_caption.Move(27, 20);
    st_caption.Resize(489, 72);
    st_caption.SetText("HeaderTitle");
    st_caption.SetAlignment(Alignment::Center);
    st_caption.SetFont({"宋体", 10, 400, 134});
    st_caption.SetBackColor(kFace);
    st_caption.SetEnabled(false);

    BindMouse(*this, MouseMessage::MouseMove, ue_mousemove);
    BindMouse(*this, MouseMessage::LButtonDown, ue_mbuttondown);
    BindMouse(*this, MouseMessage::LButtonUp, ue_lbuttonup);
    BindCaptureChanged(*this, ue_capturechanged);

    constructor = [this] {
        SetHeight(92);
        of_paint();
        if (!Tag().empty())
            of_text(Tag());
        of_backcolor(kFace);
        if (in_focuscolor == 0)
            in_focuscolor = kFace;
        wf_buttonflat();
        of_enabled(Enabled());
    };

    ue_mousemove = [this](unsigned long, int xpos, int ypos) {
        if (!ib_captured) {
            SetCapture(Handle(*this));
            ib_captured = true;
            wf_buttonup();
        } else if (xpos < 0 || ypos < 0 || xpos >= Width() || ypos > Height()) {
            ib_captured = false;
            ReleaseCapture();
            wf_buttonflat();
        }
    };

    // Only the holder is told, so the shared flag is cleared with its capture.
    ue_capturechanged = [this] {
        ib_captured = false;
        wf_buttonflat();
    };

    ue_mbuttondown = [this](unsigned long, int, int) {
        wf_buttondown();
        ib_captured = false;
    };

    ue_lbuttonup = [this](unsigned long, int, int) {
        wf_buttonup();
        ue_clicked.Trigger();
        if (of_pointerleft(*this, curpos)) {
            ib_captured = false;
            ReleaseCapture();
            wf_buttonflat();
        }
    };
}

void uo_qq_header::wf_buttonflat()
{
    ln_top.SetLineColor(kWhite);
    ln_left.SetLineColor(kWhite);
    ln_bottom.SetLineColor(kGrey);
    ln_right.SetLineColor(kGrey);
    st_caption.SetTextColor(kBlack);
    ln_bt1.SetVisible(false);
    ln_bt2.SetVisible(false);
    of_backcolor(in_backgcolor);
}

void uo_qq_header::wf_buttonup()
{
    ln_top.SetLineColor(kWhite);
    ln_left.SetLineColor(kWhite);
    ln_bottom.SetLineColor(kBlack);
    ln_right.SetLineColor(kBlack);
    st_caption.SetTextColor(RGB(0, 0, 255));
    ln_bt1.SetVisible(true);
    ln_bt2.SetVisible(true);
    SetBackColor(in_focuscolor);
    st_caption.SetBackColor(in_focuscolor);
}

void uo_qq_header::wf_buttondown()
{
    ln_top.SetLineColor(kBlack);
    ln_left.SetLineColor(kBlack);
    ln_bottom.SetLineColor(kWhite);
    ln_right.SetLineColor(kWhite);
}

void uo_qq_header::of_text(const String &st_text) { st_caption.SetText(st_text); }

String uo_qq_header::of_text() const { return st_caption.Text(); }

void uo_qq_header::of_paint()
{
    const int W = Width(), H = Height();
    st_caption.Resize(W - 36, H - 32);
    ln_top.SetPoints(ln_top.BeginX(), ln_top.BeginY(), W - 2, ln_top.EndY());
    ln_bottom.SetPoints(ln_bottom.BeginX(), H - 4, W - 2, H - 4);
    ln_left.SetPoints(ln_left.BeginX(), ln_left.BeginY(), ln_left.EndX(), H - 4);
    ln_right.SetPoints(W - 4, ln_right.BeginY(), W - 4, H - 4);
    ln_bt1.SetPoints(ln_right.BeginX() - 4, ln_right.BeginY(), ln_right.EndX() - 4, ln_right.EndY());
    ln_bt2.SetPoints(ln_bottom.BeginX() + 2, ln_bottom.BeginY() - 4, ln_bottom.EndX() - 5, ln_bottom.BeginY() - 4);
}

void uo_qq_header::of_backcolor(long lg_backcolor)
{
    SetBackColor(lg_backcolor);
    st_caption.SetBackColor(lg_backcolor);
    in_backgcolor = lg_backcolor;
}

void uo_qq_header::of_enabled(bool bl_enabled)
{
    SetEnabled(bl_enabled);
    st_caption.SetTextColor(bl_enabled ? kBlack : kGrey);
}

bool uo_qq_header::of_enabled() const { return Enabled(); }

void uo_qq_header::of_focuscolor(long lg_in_focuscolor) { in_focuscolor = lg_in_focuscolor; }
