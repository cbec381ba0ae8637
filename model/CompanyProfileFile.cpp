#include "model/CompanyProfileFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "model/Cp874.h"
#include "model/Error.h"

#ifndef _WIN32
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace mervane {
namespace {

bool IsBlank(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}

[[noreturn]] void ThrowCannotOpen(const std::string& path, int err)
{
    throw Error("Cannot open file \"" + path + "\". " + std::strerror(err));
}

[[noreturn]] void ThrowCannotCreate(const std::string& path, int err)
{
    throw Error("Cannot create file \"" + path + "\". " + std::strerror(err));
}

[[noreturn]] void ThrowNotInteger(const std::string& text)
{
    throw Error("'" + text + "' is not a valid integer value");
}

// The bytes of the first line, with its end (CR, LF or NUL) not included. The
// rest of the file never matters, so reading stops there.
std::string ReadFirstLine(const std::string& path)
{
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    errno = 0;
    std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        ThrowCannotOpen(path, errno != 0 ? errno : ENOENT);
    std::string line;
    char buf[4096];
    for (;;) {
        errno = 0;
        const std::size_t n = std::fread(buf, 1, sizeof buf, file.get());
        for (std::size_t k = 0; k < n; ++k) {
            const char c = buf[k];
            if (c == '\r' || c == '\n' || c == '\0')
                return line;
            line += c;
        }
        if (n < sizeof buf) {
            if (std::ferror(file.get()))
                ThrowCannotOpen(path, errno != 0 ? errno : EIO);
            return line;
        }
    }
}

#ifndef _WIN32

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closing can report a deferred write error, so the writer checks it.
    int close()
    {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

// mkdir -p: 0 on success, else the errno of the step that failed.
int MakeDirectories(const std::string& dir)
{
    struct stat st {};
    if (::stat(dir.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    for (std::size_t pos = 1; pos <= dir.size(); ++pos) {
        if (pos != dir.size() && dir[pos] != '/')
            continue;
        const std::string prefix = dir.substr(0, pos);
        if (::mkdir(prefix.c_str(), 0755) == 0)
            continue;
        const int err = errno;
        if (err != EEXIST)
            return err;
        if (::stat(prefix.c_str(), &st) != 0)
            return errno;
        if (!S_ISDIR(st.st_mode))
            return ENOTDIR;
    }
    return 0;
}

void ReplaceFile(const std::string& path, const std::string& content, const ProfileWriteFault* fault)
{
    // A profile reached through a symbolic link is updated where it really lies,
    // so the link survives the rename.
    std::string target = path;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }

    const std::size_t slash = target.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);

    if (const int err = MakeDirectories(dir))
        ThrowCannotCreate(path, err);

    mode_t mode = 0644;
    if (::stat(target.c_str(), &st) == 0)
        mode = st.st_mode & 07777;

    std::string tmp = (dir == "/" ? std::string() : dir) + "/." + base + ".XXXXXX";
    Fd fd(::mkostemp(tmp.data(), O_CLOEXEC));
    if (fd.get() < 0)
        ThrowCannotCreate(path, errno);

    const auto fail = [&](int err) {
        if (fd.get() >= 0)
            fd.close();
        ::unlink(tmp.c_str());
        ThrowCannotCreate(path, err);
    };
    const auto faultAt = [&](ProfileWriteFault::Stage stage) { return fault && fault->stage == stage; };

    if (::fchmod(fd.get(), mode) != 0)
        fail(errno);

    std::size_t limit = content.size();
    if (faultAt(ProfileWriteFault::Stage::Write) && fault->bytesBeforeFailure < limit)
        limit = fault->bytesBeforeFailure;
    std::size_t done = 0;
    while (done < limit) {
        const ssize_t n = ::write(fd.get(), content.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (done < content.size())
        fail(fault->error);

    if (faultAt(ProfileWriteFault::Stage::Sync))
        fail(fault->error);
    if (::fsync(fd.get()) != 0)
        fail(errno);
    if (fd.close() != 0)
        fail(errno);

    if (faultAt(ProfileWriteFault::Stage::Rename))
        fail(fault->error);
    if (::rename(tmp.c_str(), target.c_str()) != 0)
        fail(errno);

    // Makes the rename itself durable. The new file is already in place, so a
    // failure here is not worth an error: the save did happen.
    Fd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() >= 0)
        ::fsync(dirFd.get());
}

#endif // !_WIN32

} // namespace

std::vector<std::string> SplitProfileLine(std::string_view line)
{
    if (const std::size_t nul = line.find('\0'); nul != std::string_view::npos)
        line = line.substr(0, nul);

    std::vector<std::string> fields;
    const std::size_t n = line.size();
    std::size_t i = 0;
    while (i < n && IsBlank(line[i]))
        ++i;
    while (i < n) {
        if (line[i] == ',') {
            ++i;
            std::string value;
            bool closed = false;
            while (i < n) {
                const std::size_t comma = line.find(',', i);
                if (comma == std::string_view::npos) {
                    value.append(line.substr(i));
                    i = n;
                    break;
                }
                value.append(line.substr(i, comma - i));
                if (comma + 1 < n && line[comma + 1] == ',') {
                    value += ',';
                    i = comma + 2;
                    continue;
                }
                i = comma + 1;
                closed = true;
                break;
            }
            // A hand-edited line that lost its closing comma: the last character
            // is taken for the missing comma.
            if (!closed && !value.empty())
                value.pop_back();
            fields.push_back(std::move(value));
        } else {
            const std::size_t start = i;
            while (i < n && static_cast<unsigned char>(line[i]) > 32)
                ++i;
            fields.emplace_back(line.substr(start, i - start));
        }
        while (i < n && IsBlank(line[i]))
            ++i;
    }
    return fields;
}

std::string JoinProfileLine(const ProfileFields& fields)
{
    std::string line;
    std::size_t size = 0;
    for (const auto& f : fields)
        size += f.size() + 3;
    line.reserve(size + 8);
    for (int k = 0; k < kProfileFieldCount; ++k) {
        line += ',';
        for (const char c : fields[static_cast<std::size_t>(k)]) {
            if (c == ',')
                line += ',';
            line += c;
        }
        line += k + 1 < kProfileFieldCount ? ", " : ",";
    }
    return line;
}

std::vector<std::string> ReadProfileFields(const std::string& path)
{
    // Split before decoding: the reading rules count single-byte characters.
    std::vector<std::string> fields = SplitProfileLine(ReadFirstLine(path));
    for (auto& f : fields)
        f = Cp874ToUtf8(f);
    return fields;
}

std::string ProfileField(const std::vector<std::string>& fields, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= fields.size())
        throw Error("List index out of bounds (" + std::to_string(index) + ")");
    return fields[static_cast<std::size_t>(index)];
}

std::int32_t ProfileInteger(const std::string& text)
{
    std::size_t i = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        i = 1;
    }
    if (i == text.size())
        ThrowNotInteger(text);
    constexpr std::int64_t kLimit = std::int64_t{INT32_MAX} + 1;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            ThrowNotInteger(text);
        value = value * 10 + (c - '0');
        if (value > kLimit)
            ThrowNotInteger(text);
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        ThrowNotInteger(text);
    return static_cast<std::int32_t>(value);
}

void ApplyProfileFields(const std::vector<std::string>& fields, ProfileRecord& record)
{
    record.profile.Name = ProfileField(fields, 0);
    record.profile.Address = ProfileField(fields, 1);
    record.profile.TaxNo = ProfileField(fields, 2);
    record.profile.IdNo = ProfileField(fields, 3);
    record.bookNo = ProfileInteger(ProfileField(fields, 4));
    record.runNo = ProfileInteger(ProfileField(fields, 5));
}

ProfileRecord LoadProfileRecord(const std::string& path)
{
    ProfileRecord record;
    ApplyProfileFields(ReadProfileFields(path), record);
    return record;
}

ProfileFields ProfileRecordFields(const ProfileRecord& record)
{
    return {record.profile.Name,    record.profile.Address,     record.profile.TaxNo,
            record.profile.IdNo,    std::to_string(record.bookNo), std::to_string(record.runNo)};
}

void WriteProfileFile(const std::string& path, const ProfileFields& utf8Fields, const ProfileWriteFault* fault)
{
    ProfileFields encoded;
    for (std::size_t k = 0; k < encoded.size(); ++k) {
        encoded[k] = Utf8ToCp874(utf8Fields[k]);
        for (const char c : encoded[k]) {
            if (c == '\r' || c == '\n' || c == '\0') {
                char code[8];
                std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(c));
                throw Error(std::string("The character U+") + code + " cannot be stored in the company profile");
            }
        }
    }
#ifdef _WIN32
    (void)path;
    (void)fault;
    throw Error("Writing the company profile is not supported on this system");
#else
    ReplaceFile(path, JoinProfileLine(encoded) + "\r\n", fault);
#endif
}

std::string DefaultProfilePath()
{
#ifdef _WIN32
    return "C:\\Program Files\\mervane\\COMP.TXT";
#else
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/')
        return std::string(xdg) + "/mervane/COMP.TXT";
    std::string home;
    if (const char* h = std::getenv("HOME"); h && h[0] != '\0') {
        home = h;
    } else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) {
        home = pw->pw_dir;
    }
    return home + "/.config/mervane/COMP.TXT";
#endif
}

} // namespace mervane
