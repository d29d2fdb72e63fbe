#include "app/n_internetresult.h"

int n_internetresult::InternetData(const runtime::Blob &data)
{
    is_data = data; // code page 936, unchanged
    return 1;
}
