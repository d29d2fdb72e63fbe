#include "menurender/nvo_supermenu_class.h"

#include "runtime/ui/menu.h"

#include <cmath>

using namespace runtime;

nvo_supermenu_class::nvo_supermenu_class()
{
    if (color_start == 0)
        color_start = GetSysColor(SystemColor::Highlight);
    if (color_end == 0)
        color_end = GetSysColor(SystemColor::Menu);
}

nvo_supermenu_class::~nvo_supermenu_class()
{
    // The rows' menu items belong to the registered window's menu; the
    // icons are ours.
    for (ust_menuinfo &row : ist_menuinfo)
        if (row.hicon != 0)
            DestroyIcon(row.hicon);
}

int nvo_supermenu_class::of_find_byid(long al_itemid) const
{
    if (al_itemid <= 0)
        return 0;
    const long u = static_cast<long>(ist_menuinfo.size());
    // Row k normally holds id k: look there first.
    if (al_itemid < u && ist_menuinfo[al_itemid - 1].itemid == static_cast<unsigned long>(al_itemid))
        return static_cast<int>(al_itemid);
    for (long i = 1; i <= u; ++i)
        if (ist_menuinfo[i - 1].itemid == static_cast<unsigned long>(al_itemid))
            return static_cast<int>(i);
    return 0;
}

int nvo_supermenu_class::of_find_byname(const String &as_itemname) const
{
    String name = as_itemname;
    if (const long p = Pos(name, "\t"); p > 0)
        name = Left(name, p - 1);
    name = Trim(name);
    for (std::size_t i = 0; i < ist_menuinfo.size(); ++i)
        if (Trim(ist_menuinfo[i].itemname) == name)
            return static_cast<int>(i + 1);
    return 0;
}

int nvo_supermenu_class::of_find_bymenuid(const String &as_itemname) const
{
    for (std::size_t i = 0; i < ist_menuinfo.size(); ++i)
        if (ist_menuinfo[i].alive && ist_menuinfo[i].menupt->ClassName() == as_itemname)
            return static_cast<int>(i + 1);
    return 0;
}

void nvo_supermenu_class::of_color2rgb(long lg_color, int &r, int &g, int &b)
{
    b = static_cast<short>(std::trunc(lg_color / 65536.0));
    g = static_cast<short>(std::trunc((lg_color - b * 65536.0) / 256.0));
    r = static_cast<short>(lg_color - g * 256L - b * 65536L);
}

bool nvo_supermenu_class::of_containselement(long al_src, long al_exponent)
{
    if (al_exponent == 0)
        return false;
    const long long q = static_cast<long long>(std::trunc(static_cast<double>(al_src) / al_exponent));
    return q % 2 == 1;
}

bool nvo_supermenu_class::of_iswhitespace(const String &as_source)
{
    if (as_source.empty())
        return false;
    for (unsigned char c : as_source)
        if (!((c >= 8 && c <= 13) || c == 32))
            return false;
    return true;
}
