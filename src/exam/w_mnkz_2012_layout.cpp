// The examination window's controls: places, sizes, fonts, colours and
// design texts.
#include "exam/w_mnkz_2012.h"

#include "dataobjects/dataobjects.h"
#include "runtime/draw/colors.h"

using namespace runtime;

namespace {

Font heiti(int points, bool bold = false) { return {"黑体", points, bold ? 700 : 400, kGB2312CharSet}; }
Font songti(int points, bool bold = false) { return {"宋体", points, bold ? 700 : 400, kGB2312CharSet}; }

constexpr long kWhite = RGB(255, 255, 255);
constexpr long kRed = RGB(255, 0, 0);

void place(Control &c, int x, int y, int width, int height)
{
    c.Move(x, y);
    c.Resize(width, height);
}

void text(StaticText &st, const String &caption, int x, int y, int width, int height, const Font &font)
{
    place(st, x, y, width, height);
    st.SetText(caption);
    st.SetFont(font);
    st.SetBackColor(kWhite);
}

void frame(GroupBox &gb, const String &caption, int x, int y, int width, int height, const Font &font,
           long color = kWindowText)
{
    place(gb, x, y, width, height);
    gb.SetText(caption);
    gb.SetFont(font);
    gb.SetTextColor(color);
    gb.SetBackColor(kWhite);
}

void button(CommandButton &cb, const String &caption, int x, int y, int width, int height)
{
    place(cb, x, y, width, height);
    cb.SetText(caption);
    cb.SetFont(heiti(12));
}

} // namespace

void w_mnkz_2012::createControls()
{
    place(dw_1, 3067, 112, 1559, 1192);
    dw_1->SetDataObject(d_button_2013());
    dw_1->SetBorder(false);

    const int boxTop[] = {676, 800, 924, 1048};
    for (int i = 1; i <= 4; ++i) {
        CheckBox &cbx = optionBox(i);
        place(cbx, 768, boxTop[i - 1], 69, 104);
        cbx.SetFont(songti(16, true));
        cbx.SetBackColor(kWhite);
    }

    text(st_message, "", 699, 1484, 1038, 92, heiti(8));
    text(st_youranswer, "", 1403, 1264, 219, 80, heiti(12, true));
    st_youranswer.SetTextColor(kRed);

    button(cb_7, "D", 2807, 1248, 192, 112);
    button(cb_6, "C", 2592, 1248, 192, 112);
    button(cb_5, "B", 2377, 1248, 192, 112);
    button(cb_4, "A", 2162, 1248, 192, 112);
    cb_4.SetDefault(true);

    place(dw_2, 2213, 1264, 1966, 400);
    dw_2->SetDataObject(d_kzmn());
    dw_2.SetVisible(false);
    dw_2.SetEnabled(false);

    text(st_txt, "", 846, 108, 2098, 516, songti(12, true));
    st_txt.SetTextColor(kWindowText);

    button(cb_jj, "交卷", 2697, 1460, 297, 136);
    button(cb_2, "下一题", 2368, 1460, 297, 136);
    button(cb_1, "上一题", 2039, 1460, 297, 136);
    cb_1.SetEnabled(false);

    text(st_12, "请选择：", 1874, 1272, 343, 60, heiti(12, true));
    text(st_11, "您选择的答案：", 896, 1264, 562, 60, heiti(12, true));
    text(st_10, "44：59", 142, 1488, 338, 60, heiti(10, true));
    text(st_9, "初次/满分", 352, 1044, 270, 56, heiti(9));
    text(st_8, "C1", 384, 980, 210, 52, heiti(9));
    text(st_7, "女", 384, 920, 192, 52, heiti(9));
    text(st_6, "维拓网", 343, 852, 283, 52, heiti(9));
    text(st_5, "申请原因：", 59, 1040, 343, 60, heiti(10, true));
    text(st_4, "考试车型：", 64, 976, 343, 60, heiti(10, true));
    text(st_3, "性   别：", 64, 908, 357, 60, heiti(10, true));
    text(st_2, "考生姓名：", 59, 848, 338, 60, heiti(10, true));

    place(p_1, 64, 328, 507, 460);
    p_1.SetPictureName("pic\\nopic.jpg");

    text(st_1, "第001考台", 251, 120, 343, 60, heiti(9, true));
    st_1.SetTextColor(RGB(0, 0, 255));

    frame(gb_2, "提示信息", 654, 1420, 1198, 172, heiti(9));
    frame(gb_3, "澜川考场", 32, 16, 613, 228, heiti(9, true), kRed);
    frame(gb_4, "考生信息", 37, 260, 613, 1136, heiti(9, true), kRed);
    frame(gb_5, "剩余时间", 41, 1412, 599, 172, heiti(9, true), kRed);

    // The question picture at its own size, over everything around it.
    place(p_pic, 1481, 1632, 2011, 1252);
    p_pic.SetOriginalSize(true);
    p_pic.SetPictureName("images\\1.1.1.19.gif");
    p_pic.SetBringToTop(true);

    for (int i = 1; i <= 4; ++i) {
        StaticText &st = optionText(i);
        text(st, "", 846, boxTop[i - 1], 2098, 112, songti(12, true));
        st.SetPointer("Arrow!");
    }

    frame(gb_1, "考试题目", 658, 16, 2373, 1380, heiti(9, true), kRed);
    frame(gb_6, "考题编号选择", 3035, 40, 1614, 1348, heiti(9, true), kRed);
}
