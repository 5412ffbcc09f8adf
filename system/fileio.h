#pragma once
// Whole-file reads and the one way the program replaces a file.
//
// Every file the program writes (tree files, settings, language files, copies of media,
// exports) goes through replaceFile: the new content is written to a temporary file made with
// mkstemp beside the target (so it is never a link and never a file someone else made), given
// the old file's mode (and owner and group where the system permits), flushed to the disk,
// renamed over the target, and the folder is flushed too. A crash, a kill or a full disk
// therefore leaves the old file or the new one, never a cut one, and never writes through a
// link that stands where the target or the temporary file would be.
#include <cerrno>
#include <functional>
#include <string>
#include <string_view>

// The bytes of a file. Raises EInOutError when it cannot be opened or read.
std::string readFileBytes(const std::string& path);
// The bytes of a file from its start, read a piece at a time until `enough` says what was read
// so far will do, or to the file's end: a few header lines of a file of hundreds of megabytes
// cost no more than the lines. Raises EInOutError as readFileBytes does.
std::string readFileStart(const std::string& path, const std::function<bool(const std::string&)>& enough);

// The bytes a temporary name of replaceFile adds to the target's name (so a name longer than
// the system's limit less these cannot be written).
inline constexpr size_t replacementNameExtra = 12;

// Writes what `fill` writes into the descriptor it is given to a new temporary file beside
// `path`, then puts it in the target's place. A link standing at `path` is replaced, not
// followed. `fill` answers false (errno set) when it failed. `durable` waits until the disk
// holds the data (the file and the folder entry); files rewritten hundreds of times in a row
// whose loss costs nothing but defaults (the language file on a first start), and the media
// copies of a save that flushes its folder once at the end, skip that wait. Raises EInOutError
// and leaves the old file untouched on failure.
void replaceFile(const std::string& path, const std::function<bool(int fd)>& fill, bool durable = true);

// Writes all of `bytes` to the descriptor; false (errno set) when a write failed.
bool writeToDescriptor(int fd, std::string_view bytes);
// Everything `source` still holds, from where it stands, written on into `target`; false at the
// first failed read or write (errno tells why).
bool copyDescriptor(int source, int target);

// replaceFile with the given bytes.
void writeFileAtomic(const std::string& path, const std::string& bytes, bool durable = true);

// Flushes the folder's entries (created, renamed or deleted names) to the disk. False when the
// folder cannot be opened or flushed.
bool syncFolder(const std::string& folder);

// Flushes every file and folder below `folder`, and the folder itself, to the disk: one pass
// over a folder of many copies made without waiting. False when something could not be flushed.
bool syncFolderTree(const std::string& folder);

// Whether `name` is the kind of temporary name replaceFile uses for a target called `target`
// (the target's name, a dot, six letters or digits, ".tmp~"): a kill can leave one behind. One
// that a living writer is still writing is locked (isFileLocked, system/file_lock.h).
bool isReplacementLeftover(const std::string& name, const std::string& target);

// For tests of what a full or failing disk does: while one stands, every replaceFile (and so
// every copyFile and writeFileAtomic) whose target path contains `pathPart` fails with `error`
// once its bytes are written, exactly as a write the disk refused: the temporary file is
// removed, the old file stays, and EInOutError names the target and the system's reason. An
// empty `pathPart` fails every write. One at a time; the next write after it is gone succeeds.
class FailingWrites {
public:
    explicit FailingWrites(std::string pathPart, int error = ENOSPC);
    ~FailingWrites();
    FailingWrites(const FailingWrites&) = delete;
    FailingWrites& operator=(const FailingWrites&) = delete;
};
