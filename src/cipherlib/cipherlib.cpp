#include "cipherlib/cipherlib.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/sha.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace cipherlib {

namespace {

constexpr size_t kIvSize = 16;
constexpr size_t kKeySize = 32;

using Key = std::array<unsigned char, kKeySize>;

Key deriveKey(const char *purpose, const std::string &key)
{
    Key out{};
    std::string material = purpose;
    material += key;
    SHA256(reinterpret_cast<const unsigned char *>(material.data()), material.size(), out.data());
    return out;
}

// The keys derived from one text key and a cipher context holding the
// enciphering key's schedule: texts are deciphered one by one (every question
// shown deciphers five), so the hashing and key expansion are done once per
// key and each text only sets its IV. A few keys at most are ever in use.
struct KeySchedule {
    std::string key;
    Key encKey{};
    Key macKey{};
    std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> ctx{nullptr, EVP_CIPHER_CTX_free};
};

const KeySchedule *scheduleFor(const std::string &key)
{
    // Per thread, since a context is not shared between threads.
    thread_local std::vector<std::unique_ptr<KeySchedule>> schedules;
    for (const auto &s : schedules)
        if (s->key == key)
            return s.get();
    auto s = std::make_unique<KeySchedule>();
    s->key = key;
    s->encKey = deriveKey("text-cipher/enc:", key);
    s->macKey = deriveKey("text-cipher/iv:", key);
    s->ctx.reset(EVP_CIPHER_CTX_new());
    if (!s->ctx || EVP_EncryptInit_ex(s->ctx.get(), EVP_aes_256_ctr(), nullptr, s->encKey.data(), nullptr) != 1)
        return nullptr;
    constexpr size_t kMostKeys = 8;
    if (schedules.size() >= kMostKeys)
        schedules.erase(schedules.begin());
    schedules.push_back(std::move(s));
    return schedules.back().get();
}

size_t base64Length(size_t bytes) { return 4 * ((bytes + 2) / 3); }

bool isBase64Char(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/';
}

// Strict Base64: whole quads, the alphabet only, '=' only as the last one or two.
bool decodeBase64(const unsigned char *in, size_t n, std::string &out)
{
    if (n == 0 || n % 4 != 0)
        return false;
    size_t padding = 0;
    if (in[n - 1] == '=')
        padding = (in[n - 2] == '=') ? 2 : 1;
    for (size_t i = 0; i < n - padding; ++i)
        if (!isBase64Char(in[i]))
            return false;
    out.assign(n / 4 * 3, '\0');
    const int len = EVP_DecodeBlock(reinterpret_cast<unsigned char *>(out.data()), in, static_cast<int>(n));
    if (len < 0)
        return false;
    out.resize(static_cast<size_t>(len) - padding);
    return true;
}

// AES-256-CTR from iv with the schedule's key; the context keeps the key
// schedule and takes only the new IV.
bool aesCtr(const KeySchedule &schedule, const unsigned char *iv, const unsigned char *in, size_t n, unsigned char *out)
{
    EVP_CIPHER_CTX *ctx = schedule.ctx.get();
    if (EVP_EncryptInit_ex(ctx, nullptr, nullptr, nullptr, iv) != 1)
        return false;
    int written = 0;
    if (n > 0 && EVP_EncryptUpdate(ctx, out, &written, in, static_cast<int>(n)) != 1)
        return false;
    int tail = 0;
    return EVP_EncryptFinal_ex(ctx, out + written, &tail) == 1;
}

// Copies result and a terminating zero byte into out, within its size.
bool deliver(const std::string &result, std::string &out)
{
    if (result.size() > out.size())
        return false;
    std::copy(result.begin(), result.end(), out.begin());
    if (result.size() < out.size())
        out[result.size()] = '\0';
    return true;
}

void deliverEmpty(std::string &out)
{
    if (!out.empty())
        out[0] = '\0';
}

bool encipher(const unsigned char *plain, size_t n, const std::string &key, std::string &result)
{
    const KeySchedule *schedule = scheduleFor(key);
    if (!schedule)
        return false;
    unsigned char mac[EVP_MAX_MD_SIZE];
    unsigned int macLen = 0;
    if (!HMAC(EVP_sha256(), schedule->macKey.data(), static_cast<int>(schedule->macKey.size()), plain, n, mac, &macLen))
        return false;
    std::string raw(kIvSize + n, '\0');
    auto *bytes = reinterpret_cast<unsigned char *>(raw.data());
    std::memcpy(bytes, mac, kIvSize);
    if (!aesCtr(*schedule, bytes, plain, n, bytes + kIvSize))
        return false;
    result.assign(base64Length(raw.size()) + 1, '\0');
    const int len = EVP_EncodeBlock(reinterpret_cast<unsigned char *>(result.data()), bytes, static_cast<int>(raw.size()));
    result.resize(static_cast<size_t>(len));
    return true;
}

bool decipher(const unsigned char *stored, size_t n, const std::string &key, std::string &result)
{
    std::string raw;
    if (!decodeBase64(stored, n, raw) || raw.size() < kIvSize)
        return false;
    const KeySchedule *schedule = scheduleFor(key);
    if (!schedule)
        return false;
    const auto *bytes = reinterpret_cast<const unsigned char *>(raw.data());
    result.assign(raw.size() - kIvSize, '\0');
    return aesCtr(*schedule, bytes, bytes + kIvSize, result.size(), reinterpret_cast<unsigned char *>(result.data()));
}

} // namespace

int16_t b64_size(uint32_t size, uint32_t /*flag*/)
{
    // Enough for the enciphered form of size bytes plus its zero byte; a
    // deciphered text is always shorter than its stored form.
    const uint64_t needed = base64Length(static_cast<uint64_t>(size) + kIvSize) + 1;
    return static_cast<int16_t>(std::min<uint64_t>(needed, INT16_MAX));
}

int16_t b64_des(std::string &in, std::string &out, const std::string &key, uint32_t size, uint32_t flag)
{
    const size_t n = std::min<size_t>(size, in.size());
    const auto *bytes = reinterpret_cast<const unsigned char *>(in.data());
    std::string result;
    const bool ok = flag == 1 ? encipher(bytes, n, key, result) : decipher(bytes, n, key, result);
    if (!ok || !deliver(result, out)) {
        deliverEmpty(out);
        return -1;
    }
    return 1;
}

} // namespace cipherlib
