// The text cipher library: enciphers a text into printable Base64 and back.
//
// Two calls, as the program's helpers use them:
//   b64_size(n, 1)                       the output buffer a text of n bytes needs,
//                                        in either direction;
//   b64_des(in, out, key, size, flag)    flag 1 enciphers, flag 0 deciphers the
//                                        first size bytes of in into out.
// The output is written into out's existing bytes, never beyond them, and ends
// with a zero byte when it is shorter than the buffer. Deciphering gives the
// empty text (a zero byte first) and -1 only when the input cannot be a stored
// form at all: not strict Base64, shorter than the IV, or a result that does
// not fit out.
//
// Deciphering does not authenticate. Any other well-formed input, a text
// enciphered under another key included, deciphers to bytes that look random,
// and the call succeeds. The IV could serve as a check (it is a MAC of the
// plain text), but the program's stored database password is a fixed text
// that this library never enciphered: its plain form is simply what
// deciphering makes of it, and the database is keyed with exactly that. A
// check would refuse it. A wrong key shows where it matters: the database
// refuses the password, and a question text reads as garbage.
//
// Inside: AES-256 in counter mode, the counter starting at a synthetic IV
// (the first 16 bytes of HMAC-SHA-256 over the plain text), so equal texts
// encipher alike; the stored form is Base64 of IV followed by cipher text.
// Both keys are derived from the text key with SHA-256.
#pragma once

#include <cstdint>
#include <string>

namespace cipherlib {

int16_t b64_size(uint32_t size, uint32_t flag);
int16_t b64_des(std::string &in, std::string &out, const std::string &key, uint32_t size, uint32_t flag);

} // namespace cipherlib
