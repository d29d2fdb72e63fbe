#include "paper/paper_window.h"

#include "app/of_decrypt.h"

using namespace runtime;

PaperWindow::PaperWindow(const String &className, long al_minutes, const std::array<Option, 4> &options)
    : Window(className), il_mm(al_minutes), options_(options)
{
}

String &PaperWindow::optionFlag(int ai_option)
{
    String *flags[] = {&is_flag1, &is_flag2, &is_flag3, &is_flag4};
    return *flags[ai_option - 1];
}

void PaperWindow::readQuestion(const DataStore &dw, long ai_row)
{
    is_tx = dw.GetItemString(ai_row, "tx");
    is_txt = of_decrypt(dw.GetItemString(ai_row, "txt"));
    is_choice1 = of_decrypt(dw.GetItemString(ai_row, "choice1"));
    is_choice2 = of_decrypt(dw.GetItemString(ai_row, "choice2"));
    // A true/false question has no C and D: is_choice3 and is_choice4 keep
    // what they held.
    if (is_tx == "1" || is_tx == "0") {
        is_choice3 = of_decrypt(dw.GetItemString(ai_row, "choice3"));
        is_choice4 = of_decrypt(dw.GetItemString(ai_row, "choice4"));
    }
    is_zdanswer = dw.GetItemString(ai_row, "zdanswer");
    is_pic = dw.GetItemString(ai_row, "pic");
    is_picflag = dw.GetItemString(ai_row, "picflag");
}

bool PaperWindow::showPicture(Picture &p_pic)
{
    p_pic.SetVisible(false);
    if (is_picflag != "0" && is_picflag != "1")
        return false;
    p_pic.SetPictureName("");
    if (Trim(is_pic) != "") {
        p_pic.SetVisible(true);
        p_pic.SetPictureName("images\\" + is_pic);
    }
    return true;
}

bool PaperWindow::countDown()
{
    il_ss = il_ss - 1;
    if (il_ss == 0) {
        il_ss = 60;
        il_mm = il_mm - 1;
        if (il_mm < 0)
            return false;
    }
    return true;
}
