// The score of the current paper and the list of its wrong and unanswered
// questions: what the examination's result window (w_jj) and the practice
// score (w_jj_tc) both show, each in its own place and words.
#pragma once

#include "runtime/ui/datawindowcontrol.h"
#include "runtime/ui/statictext.h"

// Makes dw the list of the current paper's wrong and unanswered questions
// (d_jj, bordered, first in the tab order), 1664 high at x, y.
void PlaceWrongList(runtime::DataWindowControl &dw, int x, int y, int width);

// Counts the score of the current paper (its questions answered right) and
// shows it in st_score between the words given, black when it passes (90
// right) and red when it does not; fills the list dw with the paper as it
// stands now. Returns the score.
long ShowScore(runtime::StaticText &st_score, const runtime::String &as_before, const runtime::String &as_after,
               runtime::DataWindowControl &dw);
