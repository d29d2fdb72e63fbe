#include "exam/w_open_error.h"

#include "app/gf_getstring.h"
#include "app/globals.h"
#include "app/of_decrypt.h"
#include "dataobjects/dataobjects.h"
#include "exam/w_print.h"
#include "runtime/draw/colors.h"

using namespace runtime;

runtime::GlobalWindow<class w_open_error> w_open_error;

namespace {

constexpr long kBackground = RGB(192, 220, 192); // the forced-study green
const String kTime1 = "每题显示至少5秒,目前还有:";
const String kTime2 = "总时间为10秒，时间到自动关闭窗口继续考试,目前还有:";

Font heiti(int points, int weight = 400) { return {"黑体", points, weight, kGB2312CharSet}; }
Font arial(int points, int weight = 400) { return {"Arial", points, weight, kAnsiCharSet}; }

} // namespace

w_open_error::w_open_error() : Window("w_open_error")
{
    SetWindowType(WindowType::Response);
    SetTitle("");
    Resize(3954, 2160);
    SetCenter(true);
    SetMinBox(false);
    SetMaxBox(false);
    SetResizable(false);
    SetBackColor(kBackground);
    createControls();

    open = [this] { openScript(); };
    timer = [this] { timerScript(); };

    key = [this](KeyCode key, unsigned) {
        if (key == KeyCode::KeyEnter)
            Close(*this);
    };

    resize = [this](unsigned long, int, int) {
        gb_1.SetWidth(Width() - gb_1.X() - 50);
        ole_web.SetX((Width() - ole_web.Width()) / 2);
    };

    cb_2.clicked = [this] { Close(*this); };

    cb_4.clicked = [this] {
        sqlca.SelectInto("select count ( *) from t_kzmn where answer =zdanswer", {}, il_cj);
        st_txt.SetTextColor(il_cj >= 90 ? RGB(0, 0, 0) : RGB(250, 0, 0));
        OpenScoreSheet(il_cj);
    };
}

void w_open_error::createControls()
{
    struct Text {
        StaticText &control;
        int x, y, width, height;
        Font font;
        long color;
        const char *text;
    };
    for (const Text &t : {
             Text{st_time1, 1330, 1732, 983, 92, heiti(10, 700), RGB(255, 0, 0), "每题显示至少5秒,目前还有:5秒"},
             Text{st_answer, 334, 1548, 763, 128, heiti(12), kWindowText, ""},
             Text{st_title, 1362, 24, 718, 112, arial(12, 700), kWindowText, "答错的试题强制学习"},
             Text{st_time2, 1038, 1968, 1737, 92, heiti(10, 700), RGB(255, 0, 0),
                  "总时间为10秒，时间到自动关闭窗口继续考试,目前还有10秒"},
             Text{st_choice4, 50, 1372, 2752, 128, heiti(12), kWindowText, ""},
             Text{st_choice3, 50, 1212, 2752, 128, heiti(12), kWindowText, ""},
             Text{st_choice2, 50, 1048, 2752, 128, heiti(12), kWindowText, ""},
             Text{st_choice1, 50, 868, 2752, 128, heiti(12), kWindowText, ""},
             Text{st_txt, 55, 172, 2715, 672, heiti(12), kWindowText, ""},
             Text{st_cj, 2130, 4, 805, 128, arial(10, 700), kWindowText, ""},
         }) {
        t.control.Move(t.x, t.y);
        t.control.Resize(t.width, t.height);
        t.control.SetFont(t.font);
        t.control.SetTextColor(t.color);
        t.control.SetBackColor(kBackground);
        t.control.SetText(t.text);
    }
    st_cj.SetBringToTop(true);

    cb_2.Move(1618, 1820);
    cb_2.Resize(425, 128);
    cb_2.SetText("继续考试");
    cb_2.SetFont(arial(9));
    cb_2.SetEnabled(false);
    cb_2.SetTabOrder(30);

    cb_4.Move(3529, 1760);
    cb_4.Resize(325, 140);
    cb_4.SetText("打印成绩");
    cb_4.SetFont(arial(9));
    cb_4.SetVisible(false);
    cb_4.SetDefault(true);
    cb_4.SetTabOrder(20);

    p_pic.Move(2624, 312);
    p_pic.Resize(1243, 648);
    p_pic.SetOriginalSize(true);
    p_pic.SetPictureName("images\\1.1.1.19.gif");

    dw_1->SetDataObject(d_kzmn());
    dw_1.Move(3227, 1596);
    dw_1.Resize(425, 468);
    dw_1.SetVisible(false);
    dw_1.SetTabOrder(10);

    ole_web.Move(59, 720);
    ole_web.Resize(3808, 940);
    ole_web.SetVisible(false);
    ole_web.SetTabOrder(30);

    gb_1.Move(32, 108);
    gb_1.Resize(3881, 1608);
    gb_1.SetFont(heiti(12));
    gb_1.SetTextColor(kWindowText);
    gb_1.SetBackColor(kBackground);
    gb_1.SetTabOrder(30);
}

void w_open_error::openScript()
{
    const long ll_row = Long(message.StringParm);
    dw_1->SetTransObject(sqlca);
    dw_1->Retrieve();
    // The opener passes a row of the paper; any other number shows no question.
    if (ll_row >= 1 && ll_row <= dw_1->RowCount()) {
        st_txt.SetText("1、" + of_decrypt(dw_1->GetItemString(ll_row, "txt")));
        st_choice1.SetText("A、" + of_decrypt(dw_1->GetItemString(ll_row, "choice1")));
        st_choice2.SetText("B、" + of_decrypt(dw_1->GetItemString(ll_row, "choice2")));
        const String tx = dw_1->GetItemString(ll_row, "tx");
        if (tx == "1" || tx == "0") {
            st_choice3.SetText("C、" + of_decrypt(dw_1->GetItemString(ll_row, "choice3")));
            st_choice4.SetText("D、" + of_decrypt(dw_1->GetItemString(ll_row, "choice4")));
        }
        st_answer.SetText("标准答案:" + gf_getstring(dw_1->GetItemString(ll_row, "answer")));
        is_pic = dw_1->GetItemString(ll_row, "pic");
        if (Trim(is_pic) != "") {
            p_pic.SetVisible(true);
            p_pic.SetPictureName("");
            p_pic.SetPictureName("images\\" + is_pic);
        } else {
            p_pic.SetVisible(false);
        }
    }
    st_time1.SetText(kTime1 + "5秒");
    st_time2.SetText(kTime2 + "10秒");
    Timer(1);
}

void w_open_error::timerScript()
{
    st_time1.SetText(kTime1 + String(il_ss1) + "秒");
    if (ib_time_ss1)
        il_ss1 = il_ss1 - 1;
    if (il_ss1 == 0) {
        cb_2.SetEnabled(true);
        ib_time_ss1 = false;
        il_ss1 = 0;
    }
    st_time2.SetText(kTime2 + String(il_ss2) + "秒");
    il_ss2 = il_ss2 - 1;
    if (il_ss2 == 0) {
        cb_2.SetEnabled(true);
        il_ss2 = 0;
        cb_2.clicked.Trigger();
    }
}
