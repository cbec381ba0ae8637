#pragma once
#include <string>
#include <string_view>

namespace mervane {

// Thai text is kept as UTF-8 inside the program and as single bytes of Windows
// code page 874 in the company profile file.
//
// The table is Microsoft's cp874: 0x00-0x7F ASCII, 0x80 euro sign, 0x85 ellipsis,
// 0x91-0x97 curly quotes, bullet and dashes, 0xA0 no-break space, 0xA1-0xDA and
// 0xDF-0xFB the Thai block U+0E01-U+0E3A and U+0E3F-U+0E5B.
//
// The code page leaves 0x81-0x84, 0x86-0x90, 0x98-0x9F, 0xDB-0xDE and 0xFC-0xFF
// undefined. Such a byte still has to survive a load and a save of the profile, so
// it decodes to the private-use character U+F700 + byte (0x81 -> U+F781, 0xFF ->
// U+F7FF) and that character encodes back to the byte. All 256 byte values
// therefore round-trip; private-use characters of defined bytes (U+F741 ...) are
// not encodable, so the mapping stays one to one.
inline constexpr char32_t kCp874UndefinedBase = 0xF700;

// Never fails: every byte has a character.
std::string Cp874ToUtf8(std::string_view bytes);

// Throws mervane::Error for a character the code page cannot hold (naming it,
// e.g. U+20AC is fine but U+00E9 is not) and for text that is not valid UTF-8.
// Nothing is ever replaced by '?'.
std::string Utf8ToCp874(std::string_view utf8);

// For editors that refuse a character before it reaches the file.
bool Cp874CanEncode(char32_t c);

} // namespace mervane
