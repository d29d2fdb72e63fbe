// The data window objects that several windows share.
#pragma once

#include "runtime/dw/dataobject.h"

// The question view of the current paper t_kzmn: true/false questions
// first, then single choice, then multiple choice; writes the answers back.
runtime::DataObject d_kzmn();
// The composition rules t_kznr; the class window appends its condition.
runtime::DataObject d_kznr_new();
// The vehicle classes t_cx.
runtime::DataObject d_cx();
// The examination's answer card: cells t_1..t_100 with the question numbers
// and, inside each, t_101..t_200 with the answer given.
runtime::DataObject d_button_2013();
// The frame's status bar: one row in memory with the moment of the frame's
// opening, shown in four sunken panels (status, user, date and time, maker).
runtime::DataObject d_cm_status_bar();
// The wrong and unanswered questions of the current paper, deciphered, with
// both answers as letters and the question's picture.
runtime::DataObject d_jj();
// The score sheet: rows supplied by the scripts, typed into by the learner.
runtime::DataObject d_cjd();
