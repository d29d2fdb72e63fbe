// The question window's controls with the design the two windows share, its
// opening, clock, keys and layout.
#include "paper/question_window.h"

#include "app/globals.h"
#include "app/maker.h"
#include "dataobjects/dataobjects.h"
#include "runtime/draw/colors.h"

#include <algorithm>

using namespace runtime;

namespace {

constexpr long kWhite = RGB(255, 255, 255);
// The shade a link takes under the pointer.
constexpr long kLinkHover = RGB(0, 102, 204);

Font arial(int points, bool bold) { return {"Arial", points, bold ? 700 : 400, kAnsiCharSet}; }

void place(Control &c, int x, int y, int width, int height)
{
    c.Move(x, y);
    c.Resize(width, height);
}

} // namespace

QuestionWindow::QuestionWindow(const String &className, const Design &design)
    : PaperWindow(className, 200,
                  {{{&st_choice1, &cbx_choice1}, {&st_choice2, &cbx_choice2}, {&st_choice3, &cbx_choice3},
                    {&st_choice4, &cbx_choice4}}})
{
    SetWindowType(WindowType::Main);
    SetWindowState(WindowState::Maximized);
    Resize(design.width, design.height);
    SetTitle("模拟考试");
    SetControlMenu(true);
    SetMinBox(true);
    SetMaxBox(true);
    SetResizable(true);
    SetCenter(true);
    SetBackColor(kWhite);
    SetIcon("AppIcon!");
    createControls(design);

    open = [this] { openScript(); };
    timer = [this] { timerScript(); };
    key = [this](KeyCode k, unsigned) { keyScript(k); };
    resize = [this](unsigned long, int, int) { resizeScript(); };

    for (int i = 1; i <= 4; ++i) {
        optionText(i).clicked = [this, i] { pickScript(i); };
        // A tick picks its option; the option's script sets the tick.
        optionBox(i).clicked = [this, i] { optionText(i).clicked.Trigger(); };
    }
    cb_frist.clicked = [this] { moveTo(1); };
    cb_forward.clicked = [this] { moveTo(std::max(dw_1->GetRow() - 1, 1L)); };
    cb_next.clicked = [this] { nextScript(); };
    cb_last.clicked = [this] { moveTo(il_maxrow); };
    cb_wz.clicked = [this] {
        const long ll_row = dw_1->Find("zdanswer='0'", 1, dw_1->RowCount());
        moveTo(ll_row <= 0 ? il_maxrow : ll_row);
    };
    cb_find.clicked = [this] { findScript(); };
    cb_tg.clicked = [this] { moveTo(std::min(dw_1->GetRow() + 1, il_maxrow)); };
    cb_da.clicked = [this] { hintScript(); };
    // The link opens the address set here. A question without a thread (a
    // set's review keeps none) opens the forum itself.
    cb_tieba.clicked = [this] {
        String ls_url = kMakerForum;
        if (Trim(is_tieba) != "")
            ls_url += "/read-" + is_tieba + "-0.html";
        cb_tieba.SetURL(ls_url);
    };
    cb_jj.clicked = [this] { handInScript(); };
}

void QuestionWindow::createControls(const Design &design)
{
    place(cb_tieba, design.linkX, design.linkY, 434, 148);
    cb_tieba.SetText("本题解析");
    Font link = arial(16, false);
    link.underline = true;
    cb_tieba.SetFont(link);
    cb_tieba.SetBackColor(kButtonFace);
    cb_tieba.SetBorderStyle(BorderStyle::Raised);
    cb_tieba.SetURL(kMakerForum);

    CommandButton *buttons[] = {&cb_frist, &cb_forward, &cb_next, &cb_last, &cb_find,
                                &cb_wz,    &cb_tg,      &cb_da,   &cb_jj};
    const char *captions[] = {"第一题", "上一题", "下一题", "最后一题", "指定查询",
                              "未做查询", "跳过", "答案提示", "交卷"};
    const int xs[] = {73, 498, 923, 1349, 1774, 2199, 2629, 3058, 3479};
    for (int i = 0; i < 9; ++i) {
        place(*buttons[i], xs[i], 1888, 425, 148);
        buttons[i]->SetText(captions[i]);
        buttons[i]->SetFont(arial(16, true));
    }

    place(p_pic, 2821, 548, 1687, 816);
    p_pic.SetPictureName("images\\1.1.1.19.gif");

    const int boxTop[] = {1152, 1276, 1400, 1524};
    const int textTop[] = {1036, 1256, 1472, 1632};
    for (int i = 1; i <= 4; ++i) {
        place(optionBox(i), 3035, boxTop[i - 1], 69, 104);
        optionBox(i).SetFont({"宋体", 16, 700, kGB2312CharSet});
        optionBox(i).SetBackColor(kWhite);
        place(optionText(i), i == 4 ? 41 : 78, textTop[i - 1], 1970, 192);
        optionText(i).SetFont(arial(20, true));
        optionText(i).SetTextColor(design.optionColor);
        optionText(i).SetBackColor(kWhite);
        optionText(i).SetPointer("HyperLink!");
    }

    place(st_readme, design.explanationX, design.explanationY, 2615, 108);
    st_readme.SetFont(arial(18, true));
    st_readme.SetTextColor(kLinkHover);
    st_readme.SetBackColor(kWhite);

    place(p_ok, 2555, 1448, 128, 152);
    p_ok.SetPictureName("pic\\ok.gif");
    p_ok.SetVisible(false);
    place(p_error, 2651, 1260, 128, 152);
    p_error.SetPictureName("pic\\error.gif");
    p_error.SetVisible(false);
    place(p_message2, 2725, 1576, 128, 152);
    p_message2.SetOriginalSize(true);
    p_message2.SetPictureName("pic\\error.gif");

    place(st_wzyz, design.counterX, design.counterY, design.counterWidth, 136);
    st_wzyz.SetFont(arial(design.counterPoints, true));
    st_wzyz.SetTextColor(kWindowText);
    st_wzyz.SetBackColor(kWhite);

    place(st_txt, 69, 304, 1975, 640);
    st_txt.SetFont(arial(18, true));
    st_txt.SetTextColor(kWindowText);
    st_txt.SetBackColor(kWhite);

    place(gb_1, 50, 172, 2501, 820);
    gb_1.SetText("NO.1【 选择题】");
    gb_1.SetFont(arial(design.questionTitlePoints, true));
    gb_1.SetTextColor(kWindowText);
    gb_1.SetBackColor(kWhite);

    place(st_1, 37, 32, 3328, 128);
    st_1.SetFont(arial(11, true));
    st_1.SetTextColor(RGB(0, 0, 255));
    st_1.SetBackColor(kWhite);
    st_1.SetAlignment(design.headerAlignment);

    place(dw_1, 832, 20, 1966, 400);
    dw_1->SetDataObject(d_kzmn());
    dw_1.SetVisible(false);

    GroupBox *frames[] = {&gb_2, &gb_3, &gb_4};
    const int frameTop[] = {988, 1804, 2120};
    const int frameWidth[] = {2162, 2080, 2080};
    const int frameHeight[] = {796, 324, 336};
    for (int i = 0; i < 3; ++i) {
        place(*frames[i], 50, frameTop[i], frameWidth[i], frameHeight[i]);
        frames[i]->SetFont(arial(9, false));
        frames[i]->SetTextColor(kWindowText);
        frames[i]->SetBackColor(kWhite);
    }
}

void QuestionWindow::showHeader(const String &as_class)
{
    st_1.SetText("姓名:维拓网 身份证号:358888888888888888 车型:" + as_class + "   剩余时间:  " +
                 String(il_mm) + ":" + String(il_ss));
}

void QuestionWindow::openScript()
{
    const String ls_parm = message.StringParm;
    const long ll_comma = Pos(ls_parm, ",");
    is_tcname = ll_comma > 0 ? Left(ls_parm, ll_comma - 1) : String();
    takeParm(ls_parm);

    dw_1->SetTransObject(sqlca);
    il_maxrow = dw_1->Retrieve();
    // A set without questions has nothing to show; the window stays usable
    // for closing and handing in.
    if (il_maxrow > 0)
        f_display(1);
    Timer(1);
    showHeader(is_tcname);
    st_wzyz.SetText("已做题数:" + String(il_yzcount) + "   未做题数:" + String(il_maxrow - il_yzcount));
    p_message2.SetVisible(false);
    openBrowserStrip();
}

void QuestionWindow::timerScript()
{
    if (!countDown()) {
        cb_jj.clicked.Trigger();
        return;
    }
    showHeader(gs_cx);
}

void QuestionWindow::keyScript(KeyCode key)
{
    const int k = static_cast<int>(key);
    // The digit n of the main keyboard or of the numeric pad, else 0.
    int digit = -1;
    if (k >= 48 && k <= 57)
        digit = k - 48;
    else if (k >= 96 && k <= 105)
        digit = k - 96;

    const bool lb_cd = is_tx == "1" || (is_tx == "0" && keysPickCDOnMultiple());
    if (digit == 1)
        st_choice1.clicked.Trigger();
    else if (digit == 2)
        st_choice2.clicked.Trigger();
    else if (digit == 3 && lb_cd)
        st_choice3.clicked.Trigger();
    else if (digit == 4 && lb_cd)
        st_choice4.clicked.Trigger();
    else if (digit == 5)
        cb_frist.clicked.Trigger();
    else if (digit == 6)
        cb_forward.clicked.Trigger();
    else if (digit == 7)
        cb_next.clicked.Trigger();
    else if (digit == 8)
        cb_last.clicked.Trigger();
    else if (key == KeyCode::KeySubtract)
        cb_wz.clicked.Trigger();
    else if (digit == 9)
        cb_find.clicked.Trigger();
    else if (key == KeyCode::KeyAdd)
        cb_jj.clicked.Trigger();
}

void QuestionWindow::resizeScript()
{
    const long X = this->X(), W = Width(), H = Height();

    gb_1.Move(X + 50, 150);
    gb_1.Resize(W - 100, H * 40 / 100);
    st_txt.Move(gb_1.X() + 10, gb_1.Y() + 110);
    st_txt.Resize(Trim(is_pic) != "" ? W * 50 / 100 : W * 55 / 100, gb_1.Height() - 119);
    p_pic.Move(st_txt.X() + st_txt.Width(), st_txt.Y());
    p_message2.Move(gb_1.X() + 20, gb_1.Y() + gb_1.Height() - 190);
    st_readme.Move(p_message2.X() + 110, p_message2.Y());
    st_readme.SetWidth(gb_1.Width() - 300);

    gb_2.Move(gb_1.X(), gb_1.Y() + gb_1.Height() - 30);
    gb_2.Resize(gb_1.Width(), H * 30 / 100);
    for (int i = 1; i <= 4; ++i) {
        optionBox(i).SetX(gb_1.X() + 10);
        optionText(i).SetX(cbx_choice1.X() + 80);
        optionText(i).SetWidth(gb_2.Width() - 120);
    }
    cbx_choice1.SetY(gb_2.Y() + 80);
    for (int i = 2; i <= 4; ++i)
        optionBox(i).SetY(optionBox(i - 1).Y() + optionText(i - 1).Height());
    st_choice1.SetY(cbx_choice1.Y());
    for (int i = 2; i <= 4; ++i)
        optionText(i).SetY(optionText(i - 1).Y() + optionText(i - 1).Height());

    gb_3.Move(gb_1.X(), gb_2.Y() + gb_2.Height() - 30);
    gb_3.Resize(gb_2.Width(), H * 9 / 100 - 10);

    Control *row[] = {&cb_frist, &cb_forward, &cb_next, &cb_last, &cb_find,
                      &cb_wz,    &cb_tg,      &cb_da,   &cb_tieba, &cb_jj};
    cb_frist.Move(static_cast<int>((W - 10 * cb_frist.Width()) * 0.5), gb_3.Y() + 50);
    for (int i = 1; i < 10; ++i)
        row[i]->Move(row[i - 1]->X() + row[i - 1]->Width(), cb_frist.Y());

    layoutBrowserStrip();
}
