#include "cipherlib/cipherlib.h"

#include "app/of_decrypt.h"
#include "runtime/db/transaction.h"

#include <gtest/gtest.h>

#include <vector>

using namespace runtime;

TEST(Cipher, ChineseTextRoundTrips)
{
    const String texts[] = {"驾驶机动车在高速公路上行驶，最高车速不得超过每小时120公里。", "A", "", "a  b\t\r\n",
                            String(std::string("\x81\x40\xFE\xFE", 4)), Fill("练", 254)};
    for (const String &plain : texts) {
        const String stored = of_encrypt(plain);
        // Stored texts are plain ASCII, safe for any column.
        for (unsigned char c : stored)
            EXPECT_LT(c, 0x80);
        EXPECT_EQ(of_decrypt(stored), Trim(plain)) << ToUtf8(plain);
    }
    EXPECT_EQ(of_encrypt("同一句话"), of_encrypt("同一句话"));
    EXPECT_NE(of_encrypt("同一句话"), of_encrypt("同一句话。"));
}

// Texts of odd lengths under two keys taken in turn: each call starts its
// counter afresh under its own key, whatever was enciphered before.
TEST(Cipher, KeysTakenInTurnKeepToTheirOwnTexts)
{
    auto under = [](const std::string &key, const std::string &text, uint32_t flag) {
        std::string in = text, out(static_cast<size_t>(cipherlib::b64_size(static_cast<uint32_t>(text.size()), 1)), ' ');
        EXPECT_EQ(cipherlib::b64_des(in, out, key, static_cast<uint32_t>(text.size()), flag), 1);
        return out.substr(0, out.find('\0'));
    };
    const std::string texts[] = {"x", "seventeen bytes!!", "黄灯持续闪烁时，车辆应当减速慢行", "0123456789abcdef"};
    std::vector<std::string> stored[2];
    for (const std::string &text : texts)
        for (int k = 0; k < 2; ++k)
            stored[k].push_back(under(k ? "vorptasle" : "mqz.tavrol.kin.zx", text, 1));
    for (int round = 0; round < 2; ++round)
        for (size_t i = 0; i < std::size(texts); ++i)
            for (int k = 0; k < 2; ++k) {
                EXPECT_EQ(under(k ? "vorptasle" : "mqz.tavrol.kin.zx", stored[k][i], 0), texts[i]);
                EXPECT_NE(stored[0][i], stored[1][i]);
            }
    EXPECT_EQ(ToUtf8(of_decrypt(String(stored[0][2]))), ToUtf8(String(texts[2])));
}

TEST(Cipher, BlanksAroundAStoredTextAreIgnored)
{
    const String stored = of_encrypt("安全带");
    EXPECT_EQ(of_decrypt("  " + stored + "   "), "安全带");
}

TEST(Cipher, ForeignInputDecipheresToEmptyText)
{
    const String inputs[] = {"not base64!", "QUJD", "====", "QUJDRA=", "练习练习", String(std::string("\0\0\0\0", 4)),
                             Fill("A", 30001)};
    for (const String &in : inputs)
        EXPECT_EQ(of_decrypt(in), "") << ToUtf8(in).substr(0, 20);
    // Well-formed Base64 of any size deciphers to something, within its buffer.
    EXPECT_LE(Len(of_decrypt(Fill("A", 30000))), 22500);
    // Nothing is authenticated: a text enciphered under another key deciphers
    // without complaint, to other bytes of the same length.
    std::string in = "安全带", stored(static_cast<size_t>(cipherlib::b64_size(6, 1)), ' ');
    ASSERT_EQ(cipherlib::b64_des(in, stored, "another key", 6, 1), 1);
    stored.resize(stored.find('\0'));
    const String foreign = of_decrypt(stored);
    EXPECT_NE(foreign, "安全带");
    EXPECT_FALSE(foreign.empty());
}

TEST(Cipher, LibraryNeverWritesPastTheBuffer)
{
    std::string in = "some plain text that needs more room than this";
    std::string out(8, '#');
    out.reserve(64);
    const std::string guard = out;
    EXPECT_EQ(cipherlib::b64_des(in, out, "k", static_cast<uint32_t>(in.size()), 1), -1);
    EXPECT_EQ(out.size(), 8u);
    EXPECT_EQ(out[0], '\0');
    // size beyond the input is cut to the input.
    std::string big(static_cast<size_t>(cipherlib::b64_size(1000, 1)), ' ');
    EXPECT_EQ(cipherlib::b64_des(in, big, "k", 1000, 1), 1);
    EXPECT_GT(cipherlib::b64_size(100000, 1), 0);
}

TEST(Cipher, StoredPasswordReachesTheDatabaseIntact)
{
    const String password = of_decrypt_reg(kStoredPassword);
    EXPECT_FALSE(password.empty());
    const String dbParm = "ConnectString='DRIVER=Driver do Microsoft Access (*.mdb);PWD=" + password + ";dbq=/x/\\vqb005.dat'";
    EXPECT_EQ(ParseConnectString(dbParm).password, password);
    // Deciphered with the question key it is something else.
    EXPECT_NE(of_decrypt(kStoredPassword), password);
}
