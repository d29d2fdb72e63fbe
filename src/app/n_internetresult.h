// The receiver of a web fetch: keeps the data of the last delivery as text,
// for the window that asked whether the maker's site answers.
#pragma once

#include "runtime/net/inet.h"

class n_internetresult : public runtime::InternetResult {
public:
    runtime::String is_data;

    int InternetData(const runtime::Blob &data) override;
};
