#include "exam/current_paper.h"

#include "exam/w_mnkz_2012.h"
#include "practice/w_tclx.h"
#include "review/w_error.h"

using namespace runtime;

void ClosePaperWindows()
{
    Close(w_mnkz_2012);
    Close(w_tclx);
    Close(w_error);
}

