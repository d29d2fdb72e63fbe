// The application's global variables: the one database connection and the
// values windows hand to each other.
#pragma once

#include "app/str_system.h"
#include "runtime/db/transaction.h"

extern runtime::Transaction sqlca;    // the one database connection
extern str_system str_sys;            // filled once at start-up
extern runtime::String gs_path;       // program folder, with its trailing separator
extern runtime::String gs_cx;         // vehicle class last chosen for an examination
extern runtime::String gs_error_jj_flag; // "0", "1" prompt shown, "2" handed in from it

// The application object's name (app's AppName), as the error report gives it.
inline constexpr char kAppName[] = "app";
