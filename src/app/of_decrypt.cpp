#include "app/of_decrypt.h"

#include "cipherlib/cipherlib.h"

using namespace runtime;

namespace {

// The one body of the three helpers: trim the blanks, size the buffer as the
// library asks, and return what the library leaves in it (up to a zero byte).
String cipher(const String &text, const String &is_key, uint32_t flag)
{
    String input = Trim(text);
    const auto n = static_cast<uint32_t>(Len(input));
    const long size = cipherlib::b64_size(n, 1);
    String output = Space(size);
    cipherlib::b64_des(input, output, is_key, n, flag);
    const size_t end = output.find('\0');
    if (end != std::string::npos)
        output.resize(end);
    return output;
}

} // namespace

String of_decrypt(const String &as_pass) { return cipher(as_pass, "mqz.tavrol.kin.zx", 0); }

String of_decrypt_reg(const String &as_pass) { return cipher(as_pass, "vorptasle", 0); }

String of_encrypt(const String &as_string) { return cipher(as_string, "mqz.tavrol.kin.zx", 1); }
