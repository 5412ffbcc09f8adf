#include "system/fileio.h"

#include "system/exceptions.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr const char* leftoverSuffix = ".tmp~";

struct InjectedFailure {
    bool active = false;
    std::string pathPart;
    int error = 0;
};

InjectedFailure& injectedFailure()
{
    static InjectedFailure failure;
    return failure;
}

// The error a FailingWrites makes a write to `path` end with, or 0.
int injectedErrorFor(const std::string& path)
{
    const InjectedFailure& f = injectedFailure();
    return f.active && path.find(f.pathPart) != std::string::npos ? f.error : 0;
}

std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The mode a new file gets from the process: 0666 less the umask.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The temporary file takes the old file's permissions, and its owner and group where the
// system lets this process give them; a new file gets what a plain create would give it.
void takeOverAttributes(int fd, const std::string& path)
{
    struct stat old;
    if (::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        ::fchmod(fd, newFileMode());
    }
}

} // namespace

bool writeToDescriptor(int fd, std::string_view bytes)
{
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t w = ::write(fd, p, left);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += w;
        left -= static_cast<size_t>(w);
    }
    return true;
}

bool copyDescriptor(int source, int target)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(source, buffer, sizeof buffer);
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (!writeToDescriptor(target, std::string_view(buffer, static_cast<size_t>(n))))
            return false;
    }
}

namespace {

// `data` with what `f` still holds appended until `enough` says so or the file ends; `f` is
// closed either way.
std::string readOnAndClose(std::FILE* f, const std::string& path, std::string data,
                           const std::function<bool(const std::string&)>& enough)
{
    char buffer[65536];
    size_t n;
    while (!enough(data) && (n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        data.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (failed)
        throw EInOutError("Cannot read file \"" + path + "\"", err);
    return data;
}

} // namespace

std::string readFileBytes(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        const int err = errno;
        throw EInOutError("Cannot open file \"" + path + "\": " + std::strerror(err), err);
    }
    // Read at the size the file has: growing the string step by step touches and copies the
    // whole content several times over, which a tree file of 50 MB feels. A file that grows
    // meanwhile is still read to its end.
    std::string data;
    struct stat info;
    if (::fstat(::fileno(f), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        data.resize(static_cast<size_t>(info.st_size));
        data.resize(std::fread(data.data(), 1, data.size(), f));
    }
    return readOnAndClose(f, path, std::move(data), [](const std::string&) { return false; });
}

std::string readFileStart(const std::string& path, const std::function<bool(const std::string&)>& enough)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        const int err = errno;
        throw EInOutError("Cannot open file \"" + path + "\": " + std::strerror(err), err);
    }
    return readOnAndClose(f, path, std::string(), enough);
}

void replaceFile(const std::string& path, const std::function<bool(int fd)>& fill, bool durable)
{
    if (path.empty() || path.back() == '/')
        throw EInOutError("Cannot write file \"" + path + "\": not a file name");
    // mkstemp creates the name with O_EXCL: a link or file already standing there is never
    // opened, another name is tried.
    std::string tmp = path + ".XXXXXX" + leftoverSuffix;
    const int fd = ::mkostemps(tmp.data(), static_cast<int>(std::strlen(leftoverSuffix)), O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        throw EInOutError("Cannot create file \"" + path + "\": " + std::strerror(err), err);
    }
    // Locked while it is written, through a second descriptor that outlives the first one's
    // close until the rename: whoever clears away what a killed writer left (isReplacementLeftover)
    // tells a living writer's file by its lock and leaves it.
    ::flock(fd, LOCK_EX | LOCK_NB);
    const int held = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    takeOverAttributes(fd, path);
    bool ok = fill(fd);
    int err = errno;
    if (const int injected = injectedErrorFor(path); ok && injected != 0) {
        ok = false;
        err = injected;
    }
    if (ok && durable && ::fsync(fd) != 0) {
        ok = false;
        err = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok)
        ::unlink(tmp.c_str());
    if (held >= 0)
        ::close(held);
    if (!ok)
        throw EInOutError("Cannot write file \"" + path + "\": " + std::strerror(err), err);
    if (durable)
        syncFolder(folderOf(path));
}

void writeFileAtomic(const std::string& path, const std::string& bytes, bool durable)
{
    replaceFile(
        path, [&](int fd) { return writeToDescriptor(fd, bytes); }, durable);
}

bool syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

namespace {

bool syncTreeAt(int fd)
{
    bool ok = ::fsync(fd) == 0;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode))
        return ok;
    const int listing = ::dup(fd);
    DIR* dir = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!dir) {
        if (listing >= 0)
            ::close(listing);
        return false;
    }
    while (dirent* e = ::readdir(dir)) {
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0)
            continue;
        const int child = ::openat(fd, e->d_name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (child < 0)
            continue; // a link: nothing of ours to flush
        ok = syncTreeAt(child) && ok;
        ::close(child);
    }
    ::closedir(dir);
    return ok;
}

} // namespace

bool syncFolderTree(const std::string& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = syncTreeAt(fd);
    ::close(fd);
    return ok;
}

bool isReplacementLeftover(const std::string& name, const std::string& target)
{
    const size_t suffix = std::strlen(leftoverSuffix);
    if (name.size() != target.size() + 7 + suffix || name.compare(0, target.size(), target) != 0 ||
        name[target.size()] != '.' || name.compare(name.size() - suffix, suffix, leftoverSuffix) != 0)
        return false;
    for (size_t i = target.size() + 1; i < target.size() + 7; ++i) {
        const char c = name[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

FailingWrites::FailingWrites(std::string pathPart, int error)
{
    injectedFailure() = InjectedFailure{true, std::move(pathPart), error};
}

FailingWrites::~FailingWrites()
{
    injectedFailure() = InjectedFailure{};
}
