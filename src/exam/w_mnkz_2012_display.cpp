// Showing a question: its text, options or true/false pair, hint line,
// picture and the answer given; the state of the buttons; the answer card's
// colours.
#include "exam/w_mnkz_2012.h"

#include "app/gf_getstring.h"
#include "runtime/draw/colors.h"

using namespace runtime;

namespace {

constexpr long kGrey = RGB(194, 194, 194);
constexpr long kCyan = RGB(0, 255, 255);
constexpr long kRed = RGB(255, 0, 0);

// The sign of a one-digit answer: a letter, or √ and × for true/false.
String answerSign(const String &as_tx, const String &as_digit)
{
    if (as_digit == "1")
        return as_tx == "2" ? "√" : "A";
    if (as_digit == "2")
        return as_tx == "2" ? "×" : "B";
    if (as_digit == "3")
        return "C";
    if (as_digit == "4")
        return "D";
    return "";
}

} // namespace

void w_mnkz_2012::f_display(int ai_currentrow)
{
    // The card offers 100 cells and the keys jump to fixed questions: a
    // question the paper does not hold shows nothing new.
    const long ll_rows = dw_2->RowCount();
    if (ai_currentrow < 1 || ai_currentrow > ll_rows)
        return;

    // 1. A judged question takes no more answers.
    const String ls_errorflag = dw_2->GetItemString(ai_currentrow, "errorflag");
    const bool lb_judged = ls_errorflag == "1" || ls_errorflag == "2";
    for (int i = 1; i <= 4; ++i)
        optionButton(i).SetEnabled(!lb_judged);

    // 2. The multiple-choice selection starts afresh.
    for (int i = 1; i <= 4; ++i) {
        optionFlag(i) = "0";
        optionBox(i).SetVisible(false);
        optionBox(i).SetChecked(false);
    }
    is_currentzdanswer = "";

    // 3. Previous and next, within the paper of 100.
    cb_1.SetEnabled(ai_currentrow != 1);
    cb_2.SetEnabled(ai_currentrow != 100);

    // 4. Every cell grey but those judged wrong, which are red: a question
    // judged wrong and shown again turns back from cyan to red once another
    // is shown, so that only the question on screen is cyan.
    for (long i = 1; i <= 100; ++i) {
        const bool lb_wrong = i <= ll_rows && dw_2->GetItemString(i, "errorflag") == "2";
        dw_1->Modify("t_" + String(i) + ".background.mode=0");
        dw_1->Modify("t_" + String(i) + ".background.color='" + String(lb_wrong ? kRed : kGrey) + "'");
    }

    // 5. The question shown is the row the buttons act on.
    dw_2->ScrollToRow(ai_currentrow);

    // 6. Its cell in cyan.
    dw_1->Modify("t_" + String(ai_currentrow) + ".background.mode=0");
    dw_1->Modify("t_" + String(ai_currentrow) + ".background.color='" + String(kCyan) + "'");

    // 7. The question's fields.
    readQuestion(*dw_2, ai_currentrow);

    // 8. The picture, when the question has one; where a question may have
    // one, the options keep clear of it.
    if (showPicture(p_pic))
        for (int i = 1; i <= 4; ++i)
            optionText(i).SetWidth(2000);

    // 9. The answer given so far.
    if (is_tx == "1" || is_tx == "2") {
        st_youranswer.SetText(is_zdanswer != "0" ? answerSign(is_tx, is_zdanswer) : "");
    } else if (is_tx == "0") {
        if (is_zdanswer != "0") {
            st_youranswer.SetText(gf_getstring(is_zdanswer));
            for (int i = 1; i <= 4; ++i)
                if (Pos(is_zdanswer, String(i)) > 0) {
                    optionFlag(i) = "1";
                    optionBox(i).SetChecked(true);
                }
            is_currentzdanswer = is_zdanswer;
        } else {
            st_youranswer.SetText("");
            for (int i = 1; i <= 4; ++i)
                optionBox(i).SetChecked(false);
        }
    }

    // 10. Number and text.
    st_txt.SetText(String(ai_currentrow) + "、" + is_txt);

    // 11. What the type shows.
    const String *choices[] = {&is_choice1, &is_choice2, &is_choice3, &is_choice4};
    const char *letters[] = {"A.", "B.", "C.", "D."};
    if (is_tx == "2") {
        cb_4.SetText("√");
        cb_5.SetText("×");
        cb_6.SetVisible(false);
        cb_7.SetVisible(false);
        st_message.SetText("对错题，请判断对错！");
        for (int i = 1; i <= 4; ++i) {
            optionText(i).SetVisible(false);
            optionText(i).SetText("");
        }
    } else {
        cb_4.SetText("A");
        cb_5.SetText("B");
        cb_6.SetVisible(true);
        cb_7.SetVisible(true);
        st_message.SetText(is_tx == "1" ? "选择题，请在备选答案中选择您认为正确的答案！"
                                        : "多项选择题，请在备选答案中选择您认为正确的答案！");
        for (int i = 1; i <= 4; ++i) {
            optionText(i).SetVisible(true);
            optionText(i).SetText(String(letters[i - 1]) + " " + *choices[i - 1]);
        }
        if (is_tx != "1")
            for (int i = 1; i <= 4; ++i)
                optionBox(i).SetVisible(true);
    }

    // 12.
    cb_jj.SetFocus();
}
