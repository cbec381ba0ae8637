#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>

#include "model/Cp874.h"
#include "model/Error.h"

namespace mervane {
namespace {

std::string Utf8Of(char32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

bool IsPrivateUse(char32_t c)
{
    return c >= 0xE000 && c <= 0xF8FF;
}

// The only code point a UTF-8 string holds; nullopt when it holds anything else.
std::optional<char32_t> SingleCodePoint(const std::string& utf8)
{
    for (char32_t c = 0; c < 0x10000; ++c)
        if (Utf8Of(c) == utf8)
            return c;
    return std::nullopt;
}

// glibc's view of one byte: its UTF-8 text, or nullopt when iconv calls it
// illegal.
class SystemCp874 {
public:
    SystemCp874() : cd_(iconv_open("UTF-8", "CP874")) {}
    ~SystemCp874()
    {
        if (ok())
            iconv_close(cd_);
    }
    SystemCp874(const SystemCp874&) = delete;
    SystemCp874& operator=(const SystemCp874&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::optional<std::string> decode(unsigned char byte)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char in[1] = {static_cast<char>(byte)};
        char out[8] = {};
        char* inp = in;
        char* outp = out;
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        if (iconv(cd_, &inp, &inLeft, &outp, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        return std::string(out, static_cast<std::size_t>(outp - out));
    }

private:
    iconv_t cd_;
};

TEST(Cp874, EveryByteAgreesWithTheSystemTableOrIsPrivateUse)
{
    SystemCp874 system;
    ASSERT_TRUE(system.ok()) << "iconv has no CP874";
    int defined = 0;
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << b);
        const std::string byte(1, static_cast<char>(b));
        const std::string ours = Cp874ToUtf8(byte);
        if (const auto theirs = system.decode(static_cast<unsigned char>(b))) {
            ++defined;
            EXPECT_EQ(*theirs, ours);
        } else {
            const auto c = SingleCodePoint(ours);
            ASSERT_TRUE(c.has_value());
            EXPECT_EQ(kCp874UndefinedBase + static_cast<char32_t>(b), *c);
            EXPECT_TRUE(IsPrivateUse(*c));
        }
    }
    // 128 ASCII, 10 punctuation, 58 + 29 Thai.
    EXPECT_EQ(225, defined);
}

TEST(Cp874, AllBytesRoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(byte, Utf8ToCp874(Cp874ToUtf8(byte))) << "byte " << b;
        all += byte;
    }
    EXPECT_EQ(all, Utf8ToCp874(Cp874ToUtf8(all)));
}

TEST(Cp874, ThaiTextBothWays)
{
    // U+0E1A U+0E32 U+0E17, the word for baht: U+0E01 is byte 0xA1, so U+0E1A is 0xBA.
    const std::string thai = "\xE0\xB8\x9A\xE0\xB8\xB2\xE0\xB8\x97";
    const std::string bytes = "\xBA\xD2\xB7";
    EXPECT_EQ(bytes, Utf8ToCp874(thai));
    EXPECT_EQ(thai, Cp874ToUtf8(bytes));
    EXPECT_EQ("\x80 1\x85", Utf8ToCp874("\xE2\x82\xAC 1\xE2\x80\xA6"));
}

// Exactly the 256 characters of the table are encodable; every other code point
// is refused with its name in the message, never turned into '?'. Raising takes a
// while, so above the BMP (where nothing is encodable) only every 251st code point
// is encoded; the rest are checked through Cp874CanEncode alone.
TEST(Cp874, EveryOtherCharacterIsRefused)
{
    int encodable = 0;
    int refusedWithoutName = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue; // not a character; see InvalidUtf8IsRefused
        if (Cp874CanEncode(c)) {
            ++encodable;
            const std::string back = Utf8ToCp874(Utf8Of(c));
            ASSERT_EQ(1u, back.size()) << std::hex << static_cast<unsigned>(c);
            EXPECT_EQ(Utf8Of(c), Cp874ToUtf8(back));
            continue;
        }
        if (c > 0xFFFF && c % 251 != 0 && c != 0x10FFFF)
            continue;
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        try {
            Utf8ToCp874("a" + Utf8Of(c));
            ADD_FAILURE() << code << " was encoded";
        } catch (const Error& e) {
            if (std::string(e.what()).find(code) == std::string::npos)
                ++refusedWithoutName;
        }
    }
    EXPECT_EQ(256, encodable);
    EXPECT_EQ(0, refusedWithoutName);
}

TEST(Cp874, RefusalMessages)
{
    struct Case {
        const char* utf8;
        const char* message;
    };
    const Case cases[] = {
        {"caf\xC3\xA9", "The character \"\xC3\xA9\" (U+00E9) cannot be stored in code page 874"},
        {"\xC2\x85", "The character U+0085 cannot be stored in code page 874"},
        // The private-use character of a defined byte (0xA1) is not that byte.
        {"\xEF\x9E\xA1", "The character \"\xEF\x9E\xA1\" (U+F7A1) cannot be stored in code page 874"},
        {"\xF0\x9F\x98\x80", "The character \"\xF0\x9F\x98\x80\" (U+1F600) cannot be stored in code page 874"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        try {
            Utf8ToCp874(c.utf8);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(c.message), e.what());
        }
    }
}

TEST(Cp874, InvalidUtf8IsRefused)
{
    struct Case {
        const char* name;
        std::string bytes;
        const char* message;
    };
    const Case cases[] = {
        {"lone continuation byte", "ab\x80", "The text is not valid UTF-8 (byte 0x80 at offset 2)"},
        {"truncated sequence", "\xE0\xB8", "The text is not valid UTF-8 (byte 0xE0 at offset 0)"},
        {"bad continuation", "\xE0\xB8" "A", "The text is not valid UTF-8 (byte 0x41 at offset 2)"},
        {"overlong slash", "\xC0\xAF", "The text is not valid UTF-8 (byte 0xC0 at offset 0)"},
        {"overlong three bytes", "\xE0\x80\xAF", "The text is not valid UTF-8 (byte 0xE0 at offset 0)"},
        {"surrogate", "\xED\xA0\x80", "The text is not valid UTF-8 (byte 0xED at offset 0)"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", "The text is not valid UTF-8 (byte 0xF4 at offset 0)"},
        {"raw code page byte", "\xA1", "The text is not valid UTF-8 (byte 0xA1 at offset 0)"},
        {"byte 0xFF", "x\xFF", "The text is not valid UTF-8 (byte 0xFF at offset 1)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            Utf8ToCp874(c.bytes);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(c.message), e.what());
        }
    }
}

} // namespace
} // namespace mervane
