// The current paper t_kzmn and the windows over it.
//
// The examination, practice and review windows read the paper once, when
// they open, and write every answer back to its row. A window left open over
// a paper that has since been rebuilt would show questions that are gone and
// store its answers nowhere, so whatever rebuilds t_kzmn first closes the
// window still open over the old paper: at most one of them is open at a
// time, and it always shows the paper just built.
#pragma once

#include "runtime/dw/datastore.h"
#include "runtime/ui/window.h"

#include <functional>

// Closes the examination, practice or review window (whichever open window
// is a PaperWindow) before t_kzmn is rebuilt, together with what belongs to
// it (the examination's hand-in confirmation, which its close event closes).
void ClosePaperWindows();

// Opens a window afresh over the tables as they stand now. Open alone only
// brings an open window to the front without running its open event again;
// a window of the class still open (from an earlier hand-in, say) is closed
// first, so that a score is always counted anew.
template <class W>
int OpenNew(runtime::GlobalWindow<W> &window)
{
    runtime::Close(window);
    return runtime::Open(window);
}

template <class W, class P>
int OpenNewWithParm(runtime::GlobalWindow<W> &window, const P &parm)
{
    runtime::Close(window);
    return runtime::OpenWithParm(window, parm);
}

// Stores the learner's answer of a row of a question view (d_kzmn) in
// t_kzmn in one commit with what goes with it: the judgements the view still
// holds unsaved, and the writes of alongWith (the wrong-answer book's entry
// of a wrong answer), which returns false when the database refused one.
// Either all of it is stored or none: when the database refuses any part,
// the row takes back the answer it held, so that nothing shows as answered
// that is not stored, and a box tells the learner why. True when stored.
bool StoreAnswer(runtime::DataStore &dw, long row, const runtime::String &answer,
                 const std::function<bool()> &alongWith = {});

// After a statement that builds the paper of a practice set or a review:
// when it failed (sqlca.SQLCode not 0), shows the failure and ends the
// program, which has no paper to work on, with a failure status. True then.
bool PaperBuildFailed();

// Tells the learner that the database refused a write of the paper or of the
// wrong-answer book, with the database's reason (sqlca.SQLErrText).
void ReportRefusedWrite();

// Enters a wrongly answered question in the wrong-answer book by the insert
// given. False when the database refused the entry (sqlca tells why).
bool EnterInBook(const runtime::String &insert, const std::vector<runtime::Value> &values);
