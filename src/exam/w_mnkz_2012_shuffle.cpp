// The option shuffle of single-choice questions: the options are drawn into
// a new order, and the right one, marked before the draw, names the new
// answer. The stored (enciphered) texts are moved as they are.
#include "exam/w_mnkz_2012.h"

#include "app/globals.h"
#include "runtime/script/random.h"

using namespace runtime;

namespace {
// Appended to the right option while the options are drawn; the stored
// texts are Base64 and never contain it.
const String kMarker = "---xwd";
} // namespace

void w_mnkz_2012::f_get_dt()
{
    for (long ll_i = 1; ll_i <= dw_2->RowCount(); ++ll_i) {
        is_tx = Trim(dw_2->GetItemString(ll_i, "tx"));
        if (is_tx != "1")
            continue;
        is_choice1 = dw_2->GetItemString(ll_i, "choice1");
        is_choice2 = dw_2->GetItemString(ll_i, "choice2");
        is_choice3 = dw_2->GetItemString(ll_i, "choice3");
        is_choice4 = dw_2->GetItemString(ll_i, "choice4");
        String ls_answer = dw_2->GetItemString(ll_i, "answer");

        if (ls_answer == "1")
            is_choice1 += kMarker;
        if (ls_answer == "2")
            is_choice2 += kMarker;
        if (ls_answer == "3")
            is_choice3 += kMarker;
        if (ls_answer == "4")
            is_choice4 += kMarker;

        // Draw without replacement: each of the 24 orders equally likely.
        String num[5] = {"", is_choice1, is_choice2, is_choice3, is_choice4};
        String temp[5];
        Randomize(0);
        for (int i = 1; i <= 4; ++i) {
            const int k = Rand(5 - i);
            temp[i] = num[k];
            for (int j = k; j <= 4 - i; ++j)
                num[j] = num[j + 1];
        }

        for (int p = 1; p <= 4; ++p) {
            if (Right(temp[p], Len(kMarker)) == kMarker) {
                ls_answer = String(p);
                const long li_tab = Pos(temp[p], kMarker);
                temp[p] = Left(temp[p], li_tab - 1);
            }
        }

        dw_2->SetItem(ll_i, "choice1", temp[1]);
        dw_2->SetItem(ll_i, "choice2", temp[2]);
        dw_2->SetItem(ll_i, "choice3", temp[3]);
        dw_2->SetItem(ll_i, "choice4", temp[4]);
        dw_2->SetItem(ll_i, "answer", ls_answer);
    }
    dw_2->Update();
    sqlca.Commit();
}
