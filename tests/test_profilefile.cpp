#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "model/CompanyProfileFile.h"
#include "model/Cp874.h"
#include "model/Error.h"

namespace mervane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// An invented payer with Thai name and address, as UTF-8.
const std::string kExampleLine = ",บริษัท ตัวอย่าง จำกัด, ,12 หมู่ 3, ,1234567890, ,1234567890123, ,5, ,27,";
const std::string kExampleName = "บริษัท ตัวอย่าง จำกัด";
const std::string kExampleAddress = "12 หมู่ 3";
const std::string kEmptyLine = ",, ,, ,, ,, ,0, ,0,";

const ProfileFields kExampleFields{kExampleName, kExampleAddress, "1234567890", "1234567890123", "5", "27"};

ProfileRecord ExampleRecord()
{
    return {{kExampleName, kExampleAddress, "1234567890", "1234567890123"}, 5, 27};
}

std::string ErrorText(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

class TempDir {
public:
    TempDir()
    {
        std::string pattern = (fs::temp_directory_path() / "mervane-profile-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const fs::path& path() const { return path_; }

    // Names of everything in the folder, so a stray temporary file shows.
    std::vector<std::string> listing() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    fs::path path_;
};

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ---- the line ----

TEST(ProfileLine, JoinWritesTheExactLine)
{
    struct Case {
        const char* name;
        ProfileFields fields;
        std::string line;
    };
    const Case cases[] = {
        {"worked example", kExampleFields, kExampleLine},
        {"all empty, counters zero", {"", "", "", "", "0", "0"}, kEmptyLine},
        {"negative counters", {"A", "B", "1", "2", "-5", "-2147483648"}, ",A, ,B, ,1, ,2, ,-5, ,-2147483648,"},
        {"spaces kept", {" A ", "  ", "", "", "0", "0"}, ", A , ,  , ,, ,, ,0, ,0,"},
        {"commas doubled", {"A, B", ",", "x,", "", "0", "0"}, ",A,, B, ,,,, ,x,,, ,, ,0, ,0,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.line, JoinProfileLine(c.fields));
    }
}

TEST(ProfileLine, SplitFollowsTheReadingRules)
{
    using V = std::vector<std::string>;
    struct Case {
        const char* name;
        std::string line;
        V fields;
    };
    const std::string nameBytes = Utf8ToCp874(kExampleName);
    const std::string addressBytes = Utf8ToCp874(kExampleAddress);
    const Case cases[] = {
        {"worked example in code page 874", Utf8ToCp874(kExampleLine),
         V{nameBytes, addressBytes, "1234567890", "1234567890123", "5", "27"}},
        {"empty example", kEmptyLine, V{"", "", "", "", "0", "0"}},
        {"empty line", "", V{}},
        {"blanks only", " \t \x01", V{}},
        {"leading and trailing spaces in values", ",  A  , , B,", V{"  A  ", " B"}},
        {"more than six fields", ",a, ,b, ,c, ,d, ,1, ,2, ,extra, more", V{"a", "b", "c", "d", "1", "2", "extra", "more"}},
        {"paired commas are one comma", ",a,,b, ,,,, ,c,,,", V{"a,b", ",", "c,"}},
        {"unquoted fields end at blanks", "abc  def\tg,h ,x,", V{"abc", "def", "g,h", "x"}},
        {"unquoted then quoted", ",a,b, c", V{"a", "b,", "c"}},
        {"control codes between fields skipped", "\x01\x1f ,a,\t\r\n\x02,b, ", V{"a", "b"}},
        {"control codes inside a value kept", ",a\tb\x01,", V{"a\tb\x01"}},
        {"DEL is not blank", "\x7f ,a,", V{"\x7f", "a"}},
        {"high bytes are not blank", "\xA1\xA0\xFF ,a,", V{"\xA1\xA0\xFF", "a"}},
        {"missing closing comma drops the last character", ",abc", V{"ab"}},
        {"missing closing comma after fields", ",a, ,b, ,xyz", V{"a", "b", "xy"}},
        {"missing closing comma after a pair", ",a,,b", V{"a,"}},
        {"missing closing comma, value is a pair", ",a,,", V{"a"}},
        {"missing closing comma, one character", ",x", V{""}},
        {"lone comma", ",", V{""}},
        {"NUL ends the line", ",a, ,b\0c, ,d,"s, V{"a", ""}},
        {"NUL first", "\0,a,"s, V{}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.fields, SplitProfileLine(c.line));
    }
}

// Whatever the writer puts in a value comes back, commas included.
TEST(ProfileLine, JoinedValuesSplitBackUnchanged)
{
    const ProfileFields cases[] = {
        kExampleFields,
        {"", "", "", "", "0", "0"},
        {" lead", "trail ", "  ", "\tx\t", "-1", "+2"},
        {"A, B, C", ",", ",,", ",start", "end,", "mid,,dle"},
        {",", "", ",", "", ",", ""},
    };
    for (const auto& fields : cases) {
        const std::string line = JoinProfileLine(fields);
        SCOPED_TRACE(line);
        EXPECT_EQ(std::vector<std::string>(fields.begin(), fields.end()), SplitProfileLine(line));
    }
}

TEST(ProfileInteger, AcceptsSignedDecimalInRange)
{
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"0", 0},           {"27", 27}, {"-5", -5}, {"+5", 5}, {"007", 7}, {"-0", 0},
        {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN}, {"0002147483647", INT32_MAX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.value, ProfileInteger(c.text));
    }
}

TEST(ProfileInteger, RefusesEverythingElse)
{
    const char* cases[] = {
        "", "+", "-", "--1", "+-1", " 5", "5 ", "1 000", "1,000", "1.0", "1e3", "$1F", "0x1F", "abc",
        "2147483648", "-2147483649", "99999999999999999999",
        "\xE0\xB9\x95", // Thai digit five
    };
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ("'" + std::string(text) + "' is not a valid integer value", ErrorText([&] { ProfileInteger(text); }));
    }
}

TEST(ProfileField, MissingIndexNamesIt)
{
    const std::vector<std::string> fields{"a", "b"};
    EXPECT_EQ("b", ProfileField(fields, 1));
    EXPECT_EQ("List index out of bounds (2)", ErrorText([&] { ProfileField(fields, 2); }));
    EXPECT_EQ("List index out of bounds (0)", ErrorText([&] { ProfileField({}, 0); }));
}

// ---- reading the file ----

class ProfileFileTest : public testing::Test {
protected:
    TempDir dir;
    std::string path = dir.file("COMP.TXT");
};

TEST_F(ProfileFileTest, ReadsTheFirstLineWhateverItsEnd)
{
    const std::string line = Utf8ToCp874(kExampleLine);
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"CR LF", line + "\r\n"},
        {"LF alone", line + "\n"},
        {"CR alone", line + "\r"},
        {"no line end", line},
        {"further lines", line + "\r\n,Other, ,x, ,y, ,z, ,1, ,2,\r\nmore\r\n"},
        {"further lines after CR", line + "\r,Other, ,x, ,y, ,z, ,1, ,2,"},
        {"NUL ends the text", line + "\0,tail,"s},
        {"more than six fields", line + " ,seventh, ,eighth,\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, c.bytes);
        EXPECT_EQ(ExampleRecord(), LoadProfileRecord(path));
    }
}

TEST_F(ProfileFileTest, FieldsComeBackAsUtf8)
{
    WriteBytes(path, Utf8ToCp874(kExampleLine) + "\r\n");
    const std::vector<std::string> fields = ReadProfileFields(path);
    EXPECT_EQ(std::vector<std::string>(kExampleFields.begin(), kExampleFields.end()), fields);

    WriteBytes(path, kEmptyLine + "\r\n");
    EXPECT_EQ((ProfileRecord{{}, 0, 0}), LoadProfileRecord(path));
}

// Each failure leaves what the loaders had applied before it: earlier fields set,
// the failing one and everything after it untouched.
TEST_F(ProfileFileTest, FailuresStopAtTheFailingField)
{
    const ProfileRecord before{{"old name", "old address", "old tax", "old id"}, 111, 222};
    struct Case {
        const char* name;
        std::optional<std::string> bytes; // nullopt: no file
        std::string message;
        ProfileRecord after;
    };
    const Case cases[] = {
        {"missing file", std::nullopt, "Cannot open file \"" + path + "\". No such file or directory", before},
        {"empty file", "", "List index out of bounds (0)", before},
        {"empty first line", "\r\n,a, ,b, ,c, ,d, ,1, ,2,\r\n", "List index out of bounds (0)", before},
        {"blank first line", "   \t\r\n", "List index out of bounds (0)", before},
        {"NUL at the start", "\0,a, ,b, ,c, ,d, ,1, ,2,"s, "List index out of bounds (0)", before},
        {"one field", ",N,\r\n", "List index out of bounds (1)", {{"N", "old address", "old tax", "old id"}, 111, 222}},
        {"three fields", ",N, ,A, ,T,\r\n", "List index out of bounds (3)", {{"N", "A", "T", "old id"}, 111, 222}},
        {"five fields", ",N, ,A, ,T, ,I, ,7,\r\n", "List index out of bounds (5)", {{"N", "A", "T", "I"}, 7, 222}},
        {"empty book number", ",N, ,A, ,T, ,I, ,, ,2,\r\n", "'' is not a valid integer value",
         {{"N", "A", "T", "I"}, 111, 222}},
        {"letters in book number", ",N, ,A, ,T, ,I, ,x1, ,2,\r\n", "'x1' is not a valid integer value",
         {{"N", "A", "T", "I"}, 111, 222}},
        {"running number too large", ",N, ,A, ,T, ,I, ,-9, ,2147483648,\r\n",
         "'2147483648' is not a valid integer value", {{"N", "A", "T", "I"}, -9, 222}},
        {"Thai text as running number", ",N, ,A, ,T, ,I, ,9, ," + Utf8ToCp874(kExampleAddress) + ",\r\n",
         "'" + kExampleAddress + "' is not a valid integer value", {{"N", "A", "T", "I"}, 9, 222}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::error_code ec;
        fs::remove(path, ec);
        if (c.bytes)
            WriteBytes(path, *c.bytes);
        ProfileRecord record = before;
        EXPECT_EQ(c.message, ErrorText([&] { ApplyProfileFields(ReadProfileFields(path), record); }));
        EXPECT_EQ(c.after, record);
        EXPECT_EQ(c.message, ErrorText([&] { LoadProfileRecord(path); }));
    }
}

TEST_F(ProfileFileTest, UnreadablePathsNameTheSystemError)
{
    const std::string noFolder = dir.file("missing/COMP.TXT");
    EXPECT_EQ("Cannot open file \"" + noFolder + "\". No such file or directory",
              ErrorText([&] { ReadProfileFields(noFolder); }));
    const std::string folder = dir.file("folder");
    fs::create_directory(folder);
    EXPECT_EQ("Cannot open file \"" + folder + "\". Is a directory", ErrorText([&] { ReadProfileFields(folder); }));
}

// ---- writing the file ----

TEST_F(ProfileFileTest, WritesTheExampleLinesInCodePage874)
{
    WriteProfileFile(path, kExampleFields);
    EXPECT_EQ(Utf8ToCp874(kExampleLine) + "\r\n", ReadBytes(path));
    EXPECT_EQ(ExampleRecord(), LoadProfileRecord(path));

    WriteProfileFile(path, ProfileRecordFields(ProfileRecord{}));
    EXPECT_EQ(kEmptyLine + "\r\n", ReadBytes(path));
    EXPECT_EQ(std::vector<std::string>{"COMP.TXT"}, dir.listing());
}

TEST_F(ProfileFileTest, RecordsRoundTrip)
{
    const ProfileRecord cases[] = {
        ExampleRecord(),
        {{"", "", "", ""}, 0, 0},
        {{"  spaced  ", " ", "0001", "-"}, -5, INT32_MIN},
        {{"Smith, Jones, and Co.", ",lead,,trail,", ",", ",,"}, INT32_MAX, -1},
    };
    for (const auto& record : cases) {
        SCOPED_TRACE(record.profile.Name);
        WriteProfileFile(path, ProfileRecordFields(record));
        EXPECT_EQ(record, LoadProfileRecord(path));
    }
    WriteProfileFile(path, ProfileRecordFields(cases[2]));
    EXPECT_EQ(",  spaced  , , , ,0001, ,-, ,-5, ,-2147483648,\r\n", ReadBytes(path));
}

// A hand-made file in the canonical form, with Thai text, the euro sign and a byte
// the code page leaves undefined, survives a load and an unchanged save exactly.
TEST_F(ProfileFileTest, UnchangedSaveIsByteIdentical)
{
    const std::string canonical = "," + Utf8ToCp874(kExampleName) + " \x80\xDB, ," + Utf8ToCp874(kExampleAddress) +
                                  ", ,1234567890, ,1234567890123, ,-5, ,27,\r\n";
    WriteBytes(path, canonical);
    const std::vector<std::string> read = ReadProfileFields(path);
    ASSERT_EQ(6u, read.size());
    const ProfileFields fields{read[0], read[1], read[2], read[3], read[4], read[5]};
    WriteProfileFile(path, fields);
    EXPECT_EQ(canonical, ReadBytes(path));

    WriteProfileFile(path, ProfileRecordFields(LoadProfileRecord(path)));
    EXPECT_EQ(canonical, ReadBytes(path));
}

TEST_F(ProfileFileTest, SaveAfterFurtherLinesLeavesOneLine)
{
    WriteBytes(path, Utf8ToCp874(kExampleLine) + "\r\nsecond line\r\nthird\n");
    WriteProfileFile(path, ProfileRecordFields(LoadProfileRecord(path)));
    EXPECT_EQ(Utf8ToCp874(kExampleLine) + "\r\n", ReadBytes(path));
}

TEST_F(ProfileFileTest, RefusedTextLeavesTheOldFile)
{
    WriteBytes(path, Utf8ToCp874(kExampleLine) + "\r\n");
    const std::string old = ReadBytes(path);
    struct Case {
        const char* name;
        ProfileFields fields;
        const char* message;
    };
    const Case cases[] = {
        {"character outside the code page", {"caf\xC3\xA9", "", "", "", "0", "0"},
         "The character \"\xC3\xA9\" (U+00E9) cannot be stored in code page 874"},
        {"invalid UTF-8", {"", "", "", "", "0", "\xFF"}, "The text is not valid UTF-8 (byte 0xFF at offset 0)"},
        {"line feed", {"a\nb", "", "", "", "0", "0"}, "The character U+000A cannot be stored in the company profile"},
        {"carriage return", {"", "", "", "x\r", "0", "0"},
         "The character U+000D cannot be stored in the company profile"},
        {"NUL", {"", "\0"s, "", "", "0", "0"}, "The character U+0000 cannot be stored in the company profile"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.message, ErrorText([&] { WriteProfileFile(path, c.fields); }));
        EXPECT_EQ(old, ReadBytes(path));
        EXPECT_EQ(std::vector<std::string>{"COMP.TXT"}, dir.listing());
    }
}

// A device failing at any point of the save leaves the old file byte for byte as
// it was and no temporary file behind; without an old file, none appears.
TEST_F(ProfileFileTest, FailedWriteLeavesTheOldFile)
{
    using Stage = ProfileWriteFault::Stage;
    const std::string old = Utf8ToCp874(kExampleLine) + "\r\n";
    struct Case {
        const char* name;
        ProfileWriteFault fault;
    };
    const Case cases[] = {
        {"nothing written", {Stage::Write, 0, ENOSPC}},
        {"part of the line written", {Stage::Write, 10, ENOSPC}},
        {"all but the last byte written", {Stage::Write, 30, EIO}},
        {"sync fails", {Stage::Sync, 0, EIO}},
        {"rename fails", {Stage::Rename, 0, EROFS}},
    };
    const ProfileFields other{"New", "Other", "1", "2", "3", "4"};
    for (const bool oldFileExists : {true, false}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (oldFileExists ? ", old file" : ", no old file"));
            std::error_code ec;
            fs::remove(path, ec);
            if (oldFileExists)
                WriteBytes(path, old);
            EXPECT_EQ("Cannot create file \"" + path + "\". " + std::strerror(c.fault.error),
                      ErrorText([&] { WriteProfileFile(path, other, &c.fault); }));
            if (oldFileExists) {
                EXPECT_EQ(old, ReadBytes(path));
                EXPECT_EQ(std::vector<std::string>{"COMP.TXT"}, dir.listing());
            } else {
                EXPECT_EQ(std::vector<std::string>{}, dir.listing());
            }
        }
    }
}

TEST_F(ProfileFileTest, CreatesMissingFolders)
{
    const std::string nested = dir.file("config/mervane/COMP.TXT");
    WriteProfileFile(nested, kExampleFields);
    EXPECT_EQ(Utf8ToCp874(kExampleLine) + "\r\n", ReadBytes(nested));
    EXPECT_TRUE(fs::is_directory(dir.file("config/mervane")));
}

TEST_F(ProfileFileTest, UncreatablePathsNameTheSystemError)
{
    WriteBytes(dir.file("plain"), "x");
    const std::string underFile = dir.file("plain/mervane/COMP.TXT");
    EXPECT_EQ("Cannot create file \"" + underFile + "\". Not a directory",
              ErrorText([&] { WriteProfileFile(underFile, kExampleFields); }));

    const std::string folder = dir.file("folder");
    fs::create_directories(folder + "/inside");
    EXPECT_EQ("Cannot create file \"" + folder + "\". Is a directory",
              ErrorText([&] { WriteProfileFile(folder, kExampleFields); }));
    EXPECT_TRUE(fs::is_directory(folder + "/inside"));
    EXPECT_EQ((std::vector<std::string>{"folder", "plain"}), dir.listing());
}

TEST_F(ProfileFileTest, KeepsPermissionsOfTheOldFile)
{
    const auto modeOf = [](const std::string& p) {
        struct stat st {};
        ::stat(p.c_str(), &st);
        return st.st_mode & 07777;
    };
    WriteProfileFile(path, kExampleFields);
    EXPECT_EQ(0644u, modeOf(path));
    ::chmod(path.c_str(), 0600);
    WriteProfileFile(path, kExampleFields);
    EXPECT_EQ(0600u, modeOf(path));
}

TEST_F(ProfileFileTest, SaveThroughALinkUpdatesItsTarget)
{
    const std::string target = dir.file("real.txt");
    WriteBytes(target, "old\r\n");
    fs::create_symlink(target, path);
    WriteProfileFile(path, kExampleFields);
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(Utf8ToCp874(kExampleLine) + "\r\n", ReadBytes(target));
}

// ---- where the file lies ----

class EnvironmentGuard {
public:
    explicit EnvironmentGuard(const char* name) : name_(name)
    {
        if (const char* v = std::getenv(name))
            old_ = v;
    }
    ~EnvironmentGuard()
    {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DefaultProfilePath, FollowsTheConfigurationFolder)
{
    EnvironmentGuard xdg("XDG_CONFIG_HOME");
    EnvironmentGuard home("HOME");
    ::setenv("HOME", "/home/clerk", 1);
    struct Case {
        const char* name;
        std::optional<std::string> xdgValue;
        std::string path;
    };
    const Case cases[] = {
        {"absolute XDG_CONFIG_HOME", "/srv/cfg", "/srv/cfg/mervane/COMP.TXT"},
        {"relative XDG_CONFIG_HOME is ignored", "cfg", "/home/clerk/.config/mervane/COMP.TXT"},
        {"empty XDG_CONFIG_HOME is ignored", "", "/home/clerk/.config/mervane/COMP.TXT"},
        {"no XDG_CONFIG_HOME", std::nullopt, "/home/clerk/.config/mervane/COMP.TXT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.xdgValue)
            ::setenv("XDG_CONFIG_HOME", c.xdgValue->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(c.path, DefaultProfilePath());
    }
}

} // namespace
} // namespace mervane
