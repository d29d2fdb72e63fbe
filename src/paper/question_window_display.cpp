// Showing a question: text, options, picture, the stored answer with its
// right or wrong mark and explanation, and the underlined right options
// while the window's hint asks for them.
#include "paper/question_window.h"

#include "app/of_decrypt.h"
#include "runtime/draw/colors.h"

using namespace runtime;

namespace {
constexpr long kBlack = RGB(0, 0, 0);
constexpr long kChosen = RGB(250, 0, 0);
constexpr long kNotChosen = RGB(0, 0, 255);
} // namespace

void QuestionWindow::f_display(int ai_currentrow)
{
    for (int i = 1; i <= 4; ++i) {
        optionFlag(i) = "0";
        optionText(i).SetTextColor(kBlack);
    }
    is_currentzdanswer = "";
    for (int i = 1; i <= 4; ++i)
        optionBox(i).SetVisible(false);
    for (int i = 1; i <= 4; ++i)
        optionBox(i).SetChecked(false);

    dw_1->ScrollToRow(ai_currentrow);

    readQuestion(*dw_1, ai_currentrow);
    const String ls_answer = dw_1->GetItemString(ai_currentrow, "answer");
    is_tieba = dw_1->GetItemString(ai_currentrow, "tieba");

    // An empty or blank explanation is shown as it is stored.
    String ls_analyse = dw_1->GetItemString(ai_currentrow, "analyse");
    if (Trim(ls_analyse) != "")
        ls_analyse = of_decrypt(ls_analyse);
    st_readme.SetText(ls_analyse);

    showPicture(p_pic);

    st_txt.SetText("    " + is_txt);
    st_choice1.SetText("A. " + is_choice1);
    st_choice2.SetText("B. " + is_choice2);

    const String ls_no = "NO." + String(ai_currentrow);
    if (is_tx == "0") {
        for (int i = 1; i <= 4; ++i)
            optionBox(i).SetVisible(true);
        st_choice3.SetVisible(true);
        st_choice3.SetText("C. " + is_choice3);
        st_choice4.SetVisible(true);
        st_choice4.SetText("D. " + is_choice4);
        gb_1.SetText(ls_no + "【多项选择题】");
    }
    if (is_tx == "1") {
        st_choice3.SetVisible(true);
        st_choice3.SetText("C. " + is_choice3);
        st_choice4.SetVisible(true);
        st_choice4.SetText("D. " + is_choice4);
        gb_1.SetText(ls_no + "【选择题】");
    }
    if (is_tx == "2") {
        st_choice3.SetVisible(false);
        st_choice3.SetText("");
        st_choice4.SetVisible(false);
        st_choice4.SetText("");
        gb_1.SetText(ls_no + "【判断题】");
    }

    // The stored answer: ticks and red for multiple choice, the chosen
    // option red and the others blue otherwise.
    for (int i = 1; i <= 4; ++i) {
        const String ls_digit = String(i);
        if (is_tx == "0") {
            if (Pos(is_zdanswer, ls_digit) > 0) {
                optionFlag(i) = "1";
                optionText(i).SetTextColor(kChosen);
                optionBox(i).SetChecked(true);
                is_currentzdanswer += ls_digit;
            }
        } else {
            optionText(i).SetTextColor(is_zdanswer == ls_digit ? kChosen : kNotChosen);
        }
    }

    const bool lb_none = is_zdanswer == "0" || dw_1->GetItem(ai_currentrow, "zdanswer").isNull();
    if (!lb_none && is_zdanswer != ls_answer) {
        p_message2.SetPictureName(p_error.PictureName());
        p_message2.SetVisible(true);
        st_readme.SetVisible(true);
    } else if (!lb_none) {
        p_message2.SetPictureName(p_ok.PictureName());
        p_message2.SetVisible(true);
        st_readme.SetVisible(false);
    } else {
        p_message2.SetVisible(false);
        st_readme.SetVisible(false);
    }

    for (int i = 1; i <= 4; ++i) {
        Font font = optionText(i).GetFont();
        font.underline = rightOptionsUnderlined() && Pos(ls_answer, String(i)) > 0;
        optionText(i).SetFont(font);
    }
}
