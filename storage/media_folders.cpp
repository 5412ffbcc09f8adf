#include "storage/media_folders.h"

#include "model/media_names.h"
#include "model/path_utils.h"
#include "model/rod.h"
#include "storage/tree_pair.h"
#include "system/exceptions.h"
#include "system/fileio.h"
#include "system/files.h"
#include "system/text.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

std::string companionFolderOf(const std::string& treeFile)
{
    const std::string real = savedTreeTarget(treeFile);
    if (extensionOf(real).empty())
        return {};
    return withoutExtension(real) + "/";
}

const char* mediaSubfolderNamed(std::string_view name)
{
    for (const char* sub : mediaSubfolders)
        if (sameText(name, withoutTrailingSlashes(sub)))
            return sub;
    return nullptr;
}

namespace {

// What isStoredMediumName answers, with the copy's number: -1 for a name the program does not
// give, the number otherwise (INT_MAX for one too big to be any record's).
int storedCopyNumber(std::string_view subfolder, std::string_view name)
{
    const char* sub = mediaSubfolderNamed(withoutTrailingSlashes(subfolder));
    if (!sub)
        return -1;
    struct Pattern {
        const char* sub;
        std::string_view stem;
        std::string_view end; // empty: an optional "." and any type
    };
    static constexpr Pattern patterns[] = {{portraitSubfolder, "hlava", ".jpg"},
                                           {photoSubfolder, "foto", ".jpg"},
                                           {documentSubfolder, "dokument", ".jpg"},
                                           {fileSubfolder, "soubor", ""}};
    for (const Pattern& p : patterns) {
        if (std::string_view(p.sub) != sub)
            continue;
        if (name.size() <= p.stem.size() || !sameText(name.substr(0, p.stem.size()), p.stem))
            return -1;
        std::string_view rest = name.substr(p.stem.size());
        const size_t digits = std::min(rest.find_first_not_of("0123456789"), rest.size());
        if (digits == 0 || (rest[0] == '0' && digits > 1))
            return -1;
        long long number = 0;
        for (char c : rest.substr(0, digits))
            number = std::min<long long>(number * 10 + (c - '0'), INT_MAX);
        rest.remove_prefix(digits);
        const bool ends =
            p.end.empty() ? rest.empty() || (rest[0] == '.' && rest.size() > 1) : sameText(rest, p.end);
        return ends ? static_cast<int>(number) : -1;
    }
    return -1;
}

} // namespace

bool isStoredMediumName(std::string_view subfolder, std::string_view name)
{
    return storedCopyNumber(subfolder, name) >= 0;
}

void holdStoredCopyNumbers(Rod& tree, const std::string& companionFolder)
{
    Rod::FolderNumbers numbers;
    std::error_code ec;
    const std::string folder = withoutTrailingSlashes(companionFolder);
    for (std::filesystem::directory_iterator it(folder, ec), end;
         !companionFolder.empty() && !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const char* sub = mediaSubfolderNamed(name);
        if (!sub)
            continue;
        std::vector<int>& held = sub == portraitSubfolder   ? numbers.portraits
                                 : sub == photoSubfolder    ? numbers.photos
                                 : sub == documentSubfolder ? numbers.documents
                                                            : numbers.files;
        std::error_code inner;
        for (std::filesystem::directory_iterator child(it->path(), inner); !inner && child != end;
             child.increment(inner)) {
            const int number = storedCopyNumber(sub, child->path().filename().string());
            if (number >= 0 && number != INT_MAX)
                held.push_back(number);
        }
    }
    tree.holdFolderNumbers(std::move(numbers));
}

void createMediaFolders(const std::string& folder)
{
    // An empty name would put the subfolders into whatever the current folder is.
    if (folder.empty())
        return;
    if (!directoryExists(folder))
        createDir(folder);
    for (const char* sub : mediaSubfolders) {
        const std::string path = joinPath(folder, sub);
        if (!directoryExists(path))
            createDir(path);
    }
}

void resetWorkingFolder(const std::string& workingFolder, const std::string& programFolder)
{
    if (directoryExists(workingFolder))
        deleteFolderTree(workingFolder, programFolder);
    createMediaFolders(workingFolder);
}

namespace {

namespace fs = std::filesystem;

// An absolute, normalised form of a path for comparing places: links in the folders above it
// resolved, "." and ".." folded, no "/" at the end.
fs::path placeOf(const std::string& path)
{
    std::error_code ec;
    fs::path p = fs::absolute(fs::path(path), ec);
    if (ec)
        return {};
    fs::path resolved = fs::weakly_canonical(p, ec);
    if (ec)
        resolved = p;
    resolved = resolved.lexically_normal();
    return fs::path(withoutTrailingSlashes(resolved.string()));
}

// Whether `inner` is `outer` or lies below it.
bool isAtOrBelow(const fs::path& inner, const fs::path& outer)
{
    if (inner.empty() || outer.empty())
        return false;
    auto i = inner.begin();
    for (auto o = outer.begin(); o != outer.end(); ++o, ++i) {
        if (i == inner.end() || *i != *o)
            return false;
    }
    return true;
}

// The home folders a companion folder may never be or contain.
std::vector<fs::path> homeFolders()
{
    std::vector<fs::path> homes;
    if (const char* home = std::getenv("HOME"); home && *home)
        homes.push_back(placeOf(home));
    homes.push_back(placeOf("/root"));
    std::error_code ec;
    for (fs::directory_iterator it("/home", ec), end; !ec && it != end; it.increment(ec))
        homes.push_back(placeOf(it->path().string()));
    return homes;
}

} // namespace

std::string companionFolderForSave(const std::string& treeName, const std::string& programFolder,
                                   const std::string& workingFolder)
{
    const std::string treeFile = savedTreeTarget(treeName);
    if (!sameText(extensionOf(treeFile), "rod"))
        return {};
    const std::string base = baseNameOf(treeFile);
    if (base.empty() || base == "." || base == "..")
        return {};
    std::string companion = withoutExtension(treeFile) + "/";
    const fs::path place = placeOf(companion);
    if (place.empty() || place == place.root_path())
        return {};

    for (const fs::path& home : homeFolders())
        if (isAtOrBelow(home, place))
            return {};
    if (!workingFolder.empty() && isAtOrBelow(place, placeOf(workingFolder)))
        return {};
    if (!programFolder.empty()) {
        // Beside the program's own folders a tree is as welcome as anywhere (a portable copy
        // keeps its trees next to itself); whether a folder of that name already standing
        // there may be replaced is decided when the save finds it.
        const fs::path program = placeOf(programFolder);
        if (isAtOrBelow(program, place) || place == program / "save")
            return {};
        for (const char* own : {"data", "temp", "help"})
            if (isAtOrBelow(place, program / own))
                return {};
    }
    return companion;
}

bool copyMedium(const std::string& fromFolder, const std::string& toFolder, const std::string& name,
                bool durable)
{
    return copyFile(joinPath(fromFolder, name), joinPath(toFolder, name), true, durable);
}

bool storeMedium(const std::string& fromFolder, const std::string& toFolder, const std::string& name)
{
    const std::string from = joinPath(fromFolder, name);
    const int source = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0) {
        const int err = errno;
        if (err == ENOENT || err == ENOTDIR)
            return false;
        throw EUnreadableMedium("Cannot read file \"" + from + "\": " + std::strerror(err), err, from);
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{source};
    struct stat info;
    if (::fstat(source, &info) != 0 || !S_ISREG(info.st_mode))
        throw EUnreadableMedium("Not a file: \"" + from + "\"", EISDIR, from);
    replaceFile(
        joinPath(toFolder, name), [source](int fd) { return copyDescriptor(source, fd); }, false);
    return true;
}

bool fetchMedium(const std::string& companionFolder, const std::string& workingFolder,
                 const std::string& name)
{
    const std::string source = findFileCaseInsensitive(joinPath(companionFolder, name));
    if (source.empty())
        return false;
    // The working copy is a scratch copy of one that the companion folder keeps: syncing it to
    // the disk protects nothing, and a sync per picture made a tree with thousands of them take
    // many seconds to open. A save syncs what it stores.
    return copyFile(source, joinPath(workingFolder, name), true, false);
}
