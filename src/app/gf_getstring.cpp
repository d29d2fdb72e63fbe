#include "app/gf_getstring.h"

using namespace runtime;

String gf_getstring(const String &as_string)
{
    String ls_result;
    for (long i = 1; i <= Len(as_string); ++i) {
        const String ls_char = Mid(as_string, i, 1);
        if (ls_char == "1")
            ls_result += "A";
        else if (ls_char == "2")
            ls_result += "B";
        else if (ls_char == "3")
            ls_result += "C";
        else if (ls_char == "4")
            ls_result += "D";
    }
    return ls_result;
}

String f_getstring(const String &as_string)
{
    String ls_result;
    for (long i = 1; i <= Len(as_string); ++i) {
        const String ls_char = Mid(as_string, i, 1);
        if (ls_char >= "1" && ls_char <= "7" && Len(ls_char) == 1)
            ls_result += ls_char;
    }
    return ls_result;
}
