#include "model/Cp874.h"

#include <array>
#include <cstdio>

#include "model/Error.h"

namespace mervane {
namespace {

// Code points of 0x80-0xFF; zero marks a byte the code page leaves undefined.
constexpr std::array<char32_t, 128> kHighHalf = [] {
    std::array<char32_t, 128> t{};
    t[0x80 - 0x80] = 0x20AC; // euro sign
    t[0x85 - 0x80] = 0x2026; // horizontal ellipsis
    t[0x91 - 0x80] = 0x2018;
    t[0x92 - 0x80] = 0x2019;
    t[0x93 - 0x80] = 0x201C;
    t[0x94 - 0x80] = 0x201D;
    t[0x95 - 0x80] = 0x2022; // bullet
    t[0x96 - 0x80] = 0x2013; // en dash
    t[0x97 - 0x80] = 0x2014; // em dash
    t[0xA0 - 0x80] = 0x00A0;
    for (unsigned b = 0xA1; b <= 0xDA; ++b)
        t[b - 0x80] = 0x0E01 + (b - 0xA1);
    for (unsigned b = 0xDF; b <= 0xFB; ++b)
        t[b - 0x80] = 0x0E3F + (b - 0xDF);
    for (unsigned b = 0x80; b <= 0xFF; ++b)
        if (t[b - 0x80] == 0)
            t[b - 0x80] = kCp874UndefinedBase + b;
    return t;
}();

constexpr bool IsUndefinedByte(unsigned b)
{
    return b >= 0x80 && kHighHalf[b - 0x80] == kCp874UndefinedBase + b;
}

// The byte for a code point, or -1.
int EncodeOne(char32_t c)
{
    if (c < 0x80)
        return static_cast<int>(c);
    if (c >= 0x0E01 && c <= 0x0E3A)
        return static_cast<int>(0xA1 + (c - 0x0E01));
    if (c >= 0x0E3F && c <= 0x0E5B)
        return static_cast<int>(0xDF + (c - 0x0E3F));
    if (c >= kCp874UndefinedBase + 0x80 && c <= kCp874UndefinedBase + 0xFF) {
        const unsigned b = static_cast<unsigned>(c - kCp874UndefinedBase);
        return IsUndefinedByte(b) ? static_cast<int>(b) : -1;
    }
    switch (c) {
    case 0x20AC: return 0x80;
    case 0x2026: return 0x85;
    case 0x2018: return 0x91;
    case 0x2019: return 0x92;
    case 0x201C: return 0x93;
    case 0x201D: return 0x94;
    case 0x2022: return 0x95;
    case 0x2013: return 0x96;
    case 0x2014: return 0x97;
    case 0x00A0: return 0xA0;
    default: return -1;
    }
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

[[noreturn]] void ThrowInvalidUtf8(std::string_view utf8, std::size_t offset)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "The text is not valid UTF-8 (byte 0x%02X at offset %zu)",
                  static_cast<unsigned>(static_cast<unsigned char>(utf8[offset])), offset);
    throw Error(buf);
}

[[noreturn]] void ThrowUnencodable(char32_t c)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    std::string message = "The character ";
    // C1 controls have no glyph worth quoting; everything else is shown as well,
    // so the clerk can find it in the text.
    if (c >= 0xA0) {
        message += '"';
        AppendUtf8(message, c);
        message += "\" (";
        message += code;
        message += ')';
    } else {
        message += code;
    }
    message += " cannot be stored in code page 874";
    throw Error(message);
}

// Strict decoding: no overlong forms, no surrogates, nothing above U+10FFFF.
char32_t DecodeUtf8(std::string_view s, std::size_t& i)
{
    const std::size_t start = i;
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    int extra;
    char32_t c;
    char32_t min;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        c = lead & 0x1F;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        c = lead & 0x0F;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        c = lead & 0x07;
        min = 0x10000;
    } else {
        ThrowInvalidUtf8(s, start);
    }
    for (int k = 1; k <= extra; ++k) {
        if (start + k >= s.size())
            ThrowInvalidUtf8(s, start);
        const unsigned cont = byte(start + k);
        if ((cont & 0xC0) != 0x80)
            ThrowInvalidUtf8(s, start + k);
        c = (c << 6) | (cont & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        ThrowInvalidUtf8(s, start);
    i = start + extra + 1;
    return c;
}

} // namespace

std::string Cp874ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out += ch;
        else
            AppendUtf8(out, kHighHalf[b - 0x80]);
    }
    return out;
}

std::string Utf8ToCp874(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            out += utf8[i++];
            continue;
        }
        const char32_t c = DecodeUtf8(utf8, i);
        const int b = EncodeOne(c);
        if (b < 0)
            ThrowUnencodable(c);
        out += static_cast<char>(static_cast<unsigned char>(b));
    }
    return out;
}

bool Cp874CanEncode(char32_t c)
{
    return EncodeOne(c) >= 0;
}

} // namespace mervane
