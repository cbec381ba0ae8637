#pragma once
#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Certificate.h"

namespace mervane {

// The company profile COMP.TXT: one line of code page 874 text followed by CR LF,
// six fields, each between two commas, separated by single spaces:
//
//   ,name, ,address, ,taxNo, ,idNo, ,bookNo, ,runNo,
//
// Everything here is plain C++ so the headless tool and the tests share it with
// the windows.

inline constexpr int kProfileFieldCount = 6;
using ProfileFields = std::array<std::string, kProfileFieldCount>;

// Splits one line into fields, byte by byte, on the code page 874 text as stored
// (only ASCII commas and control codes matter, so it works on any ASCII-compatible
// bytes, but the "missing closing comma" case drops one byte, which is one
// character only in a single-byte code page):
//  - characters with codes 1 to 32 between fields are skipped;
//  - a field starting with a comma is quoted: it ends at the next comma that is
//    not followed by another comma, a pair of commas inside stands for one comma,
//    and without a closing comma it runs to the end of the line minus its last
//    character;
//  - any other field runs up to the next character with a code of 32 or less.
// A NUL byte ends the line. Returns every field, also those past the sixth.
std::vector<std::string> SplitProfileLine(std::string_view line);

// The line as written, without CR LF. A comma inside a value is doubled, which
// the reading rules turn back into one comma; a line without commas in its values
// is exactly ",F0, ,F1, ,F2, ,F3, ,F4, ,F5,".
std::string JoinProfileLine(const ProfileFields& fields);

// What a profile file holds, as the program uses it: the payer's particulars and
// the book and running number to use next. Texts are UTF-8.
struct ProfileRecord {
    TCompanyProfile profile;
    std::int32_t bookNo = 0;
    std::int32_t runNo = 0;
    bool operator==(const ProfileRecord&) const = default;
};

// Reads the first line of the file (a line ends at CR, LF or CR LF; a NUL byte
// ends the text), decodes it from code page 874 and splits it. The result holds
// UTF-8 texts and may have fewer or more than six fields.
// Throws "Cannot open file "<path>". <system error text>" when the file cannot be
// opened or read.
std::vector<std::string> ReadProfileFields(const std::string& path);

// Field `index` of a read line; throws "List index out of bounds (<index>)" when
// the line has no such field.
std::string ProfileField(const std::vector<std::string>& fields, int index);

// A counter field as a signed 32-bit number. Accepted: an optional '+' or '-'
// followed by one or more decimal digits (leading zeros are fine), within the
// 32-bit range. Refused: empty text, spaces anywhere, hexadecimal ("$1F", "0x1F"),
// separators, anything else. Throws "'<text>' is not a valid integer value".
std::int32_t ProfileInteger(const std::string& text);

// Applies the fields of a read line to `record` in the loaders' order (name,
// address, tax number, citizen number, book number, running number). On a missing
// or bad field it throws the error of that field and leaves the earlier fields
// applied, the later ones untouched, which is the state the loaders show.
void ApplyProfileFields(const std::vector<std::string>& fields, ProfileRecord& record);

// Reads and applies everything; throws the same errors as the steps above.
ProfileRecord LoadProfileRecord(const std::string& path);

// The six texts a record writes: four UTF-8 texts and the two counters in plain
// decimal.
ProfileFields ProfileRecordFields(const ProfileRecord& record);

// Stands in for a failing device so a test can show that a failed save leaves the
// old file alone. Only tests pass one.
struct ProfileWriteFault {
    enum class Stage { Write, Sync, Rename };
    Stage stage = Stage::Write;
    // For Stage::Write: the bytes that reach the temporary file before the device
    // fails; a count at or past the length of the line lets the write succeed.
    std::size_t bytesBeforeFailure = 0;
    int error = ENOSPC; // errno to report
};

// Replaces the file with the line of the six UTF-8 texts plus CR LF, in code page
// 874. The replacement is atomic: a temporary file in the same folder is written
// and synced, then renamed over the old file, so a failure at any point leaves the
// old file byte for byte as it was. The folder is created when missing (mode
// 0755); an existing file keeps its permissions, a new one gets 0644.
// Throws mervane::Error:
//  - the code page error of Utf8ToCp874 for a character code page 874 cannot hold;
//  - "The character U+000A cannot be stored in the company profile" (likewise CR
//    and NUL), since a line break inside a value would cut the line when read;
//  - "Cannot create file "<path>". <system error text>" when the folder or the
//    file cannot be created or written.
void WriteProfileFile(const std::string& path, const ProfileFields& utf8Fields,
                      const ProfileWriteFault* fault = nullptr);

// Where the profile lives: on Windows "C:\Program Files\mervane\COMP.TXT"; elsewhere
// $XDG_CONFIG_HOME/mervane/COMP.TXT when XDG_CONFIG_HOME is an absolute path, else
// $HOME/.config/mervane/COMP.TXT (the password database's home when HOME is unset).
// Every window uses this one path, so they all read and write the same file.
std::string DefaultProfilePath();

} // namespace mervane
