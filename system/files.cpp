#include "system/files.h"

#include "system/exceptions.h"
#include "system/fileio.h"
#include "system/text.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool statIs(const std::string& path, mode_t type)
{
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IFMT) == type;
}

// The entries of an open folder, without "." and "..".
std::vector<std::string> entryNames(DIR* dir)
{
    std::vector<std::string> names;
    while (dirent* e = ::readdir(dir)) {
        std::string name = e->d_name;
        if (name != "." && name != "..")
            names.push_back(std::move(name));
    }
    return names;
}

bool kindMatches(int dirFd, const std::string& name, ListKind kind)
{
    if (kind == ListKind::All)
        return true;
    struct stat st;
    if (::fstatat(dirFd, name.c_str(), &st, 0) != 0)
        return false;
    return kind == ListKind::Files ? S_ISREG(st.st_mode) : S_ISDIR(st.st_mode);
}

// "*" and "?" over characters, with backtracking to the last "*" only (linear in practice).
bool globMatch(const std::u32string& s, const std::u32string& p)
{
    size_t si = 0, pi = 0, star = std::u32string::npos, mark = 0;
    while (si < s.size()) {
        if (pi < p.size() && (p[pi] == U'?' || p[pi] == s[si])) {
            ++si;
            ++pi;
        } else if (pi < p.size() && p[pi] == U'*') {
            star = pi++;
            mark = si;
        } else if (star != std::u32string::npos) {
            pi = star + 1;
            si = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == U'*')
        ++pi;
    return pi == p.size();
}

std::vector<std::string> components(const std::string& path)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// A path deleteFolderTree may wipe: not empty, not the root, nothing that climbs with "..",
// and not a path made only of "." (the current folder).
bool safeToWipe(const std::string& path)
{
    const std::vector<std::string> parts = components(path);
    if (std::find(parts.begin(), parts.end(), "..") != parts.end())
        return false;
    return std::any_of(parts.begin(), parts.end(), [](const std::string& p) { return p != "."; });
}

// Removes `name` in the folder `parentFd`; a link or a file is unlinked, a folder is emptied
// through a descriptor opened without following links, so nothing outside is ever reached.
bool removeTreeAt(int parentFd, const std::string& name)
{
    struct stat st;
    if (::fstatat(parentFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(st.st_mode))
        return ::unlinkat(parentFd, name.c_str(), 0) == 0 || errno == ENOENT;
    int fd = ::openat(parentFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0) {
        if (DIR* dir = ::fdopendir(fd)) {
            for (const std::string& child : entryNames(dir))
                removeTreeAt(::dirfd(dir), child);
            ::closedir(dir);
        } else {
            ::close(fd);
        }
    }
    return ::unlinkat(parentFd, name.c_str(), AT_REMOVEDIR) == 0 || errno == ENOENT;
}

// The name in `folder` equal to `name` but for letter case, first in byte order; or empty.
std::string caseInsensitiveEntry(const std::string& folder, const std::string& name, ListKind kind)
{
    for (const std::string& entry : listFolder(folder.empty() ? "." : folder, "*", kind))
        if (sameText(entry, name))
            return entry;
    return {};
}

} // namespace

bool fileExists(const std::string& path)
{
    return statIs(path, S_IFREG);
}

bool directoryExists(const std::string& path)
{
    return statIs(path, S_IFDIR);
}

bool createDir(const std::string& path)
{
    return !path.empty() && ::mkdir(path.c_str(), 0777) == 0;
}

bool copyFile(const std::string& from, const std::string& to, bool overwrite, bool durable)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fileExists(from) || directoryExists(to) || (!overwrite && fs::exists(fs::symlink_status(to, ec))))
        return false;
    if (fs::equivalent(from, to, ec))
        return false;
    const int source = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        return false;
    try {
        replaceFile(
            to, [source](int fd) { return copyDescriptor(source, fd); }, durable);
    } catch (const EInOutError&) {
        ::close(source);
        return false;
    }
    ::close(source);
    return true;
}

std::string freeNameWithSuffix(const std::string& path, const std::string& suffix)
{
    std::error_code ec;
    std::string name = path + suffix;
    for (int n = 2; std::filesystem::exists(name, ec) || std::filesystem::is_symlink(name, ec); ++n)
        name = path + suffix + std::to_string(n);
    return name;
}

bool deleteFile(const std::string& path)
{
    struct stat st;
    if (path.empty() || ::lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    return ::unlink(path.c_str()) == 0;
}

bool matchesFilter(const std::string& name, const std::string& filter)
{
    return globMatch(toU32(lowerCase(name)), toU32(lowerCase(filter)));
}

std::vector<std::string> listFolder(const std::string& folder, const std::string& filter, ListKind kind)
{
    std::vector<std::string> result;
    DIR* dir = folder.empty() ? nullptr : ::opendir(folder.c_str());
    if (!dir)
        return result;
    for (const std::string& name : entryNames(dir))
        if (matchesFilter(name, filter) && kindMatches(::dirfd(dir), name, kind))
            result.push_back(name);
    ::closedir(dir);
    std::sort(result.begin(), result.end());
    return result;
}

bool deleteFolderTree(const std::string& folder)
{
    if (!safeToWipe(folder))
        return false;
    return removeTreeAt(AT_FDCWD, withoutTrailingSlashes(folder));
}

std::string withoutTrailingSlashes(std::string_view path)
{
    size_t end = path.size();
    while (end > 0 && path[end - 1] == '/')
        --end;
    if (end == 0 && !path.empty())
        return "/";
    return std::string(path.substr(0, end));
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    size_t skip = name.find_first_not_of('/');
    const std::string tail = skip == std::string::npos ? std::string() : name.substr(skip);
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + tail : folder + "/" + tail;
}

std::string findFileCaseInsensitive(const std::string& path)
{
    if (fileExists(path))
        return path;
    const std::vector<std::string> parts = components(path);
    std::string found = !path.empty() && path[0] == '/' ? "/" : "";
    for (size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        std::string candidate = joinPath(found, parts[i]);
        if (!(last ? fileExists(candidate) : directoryExists(candidate))) {
            std::string real =
                caseInsensitiveEntry(found, parts[i], last ? ListKind::Files : ListKind::Folders);
            if (real.empty())
                return {};
            candidate = joinPath(found, real);
        }
        found = candidate;
    }
    return parts.empty() ? std::string() : found;
}
