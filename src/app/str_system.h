// The system record: the texts that name the program and its maker.
#pragma once

#include "runtime/text/text.h"

struct str_system {
    runtime::String systemname;
    runtime::String ver;
    runtime::String userid;
    runtime::String username;
    runtime::String usercorp;
    runtime::String dbver;
};
