#include "app/globals.h"

runtime::Transaction sqlca;
str_system str_sys;
runtime::String gs_path;
runtime::String gs_cx;
runtime::String gs_error_jj_flag = "0";
