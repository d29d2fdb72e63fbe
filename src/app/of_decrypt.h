// Deciphering and enciphering of the stored texts: the question texts,
// options and explanations of the bank, and the database password.
#pragma once

#include "runtime/text/text.h"

// The plain text of a stored question text, option or explanation.
runtime::String of_decrypt(const runtime::String &as_pass);
// The plain database password of the stored password.
runtime::String of_decrypt_reg(const runtime::String &as_pass);
// The database password as the program stores it, enciphered.
inline constexpr char kStoredPassword[] = "Xk3PqL8vTz0wRb5NcY2mHd7UfJ1sGa9eWo4iKl6nVr0=";
// The stored form of a plain question text.
runtime::String of_encrypt(const runtime::String &as_string);
