#include "paper/score.h"

#include "app/globals.h"
#include "dataobjects/dataobjects.h"
#include "runtime/draw/colors.h"

using namespace runtime;

namespace {
// A paper passes with this many questions answered right.
constexpr long kPassMark = 90;
} // namespace

void PlaceWrongList(DataWindowControl &dw, int x, int y, int width)
{
    dw->SetDataObject(d_jj());
    dw.Move(x, y);
    dw.Resize(width, 1664);
    dw->SetBorder(true);
    dw.SetTabOrder(10);
}

long ShowScore(StaticText &st_score, const String &as_before, const String &as_after, DataWindowControl &dw)
{
    long ll_jj = 0;
    sqlca.SelectInto("select count ( *) from t_kzmn where answer =zdanswer", {}, ll_jj);
    st_score.SetTextColor(ll_jj >= kPassMark ? RGB(0, 0, 0) : RGB(250, 0, 0));
    st_score.SetText(as_before + String(ll_jj) + as_after);
    dw->SetTransObject(sqlca);
    dw->Retrieve();
    return ll_jj;
}
