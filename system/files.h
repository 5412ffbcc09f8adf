#pragma once
// Files and folders as the program sees them: plain answers (true/false, a list, a path) rather
// than exceptions, because the program tests, copies and deletes media files all the time and
// treats a failure as "did not happen" (a missing stored copy, a folder that is already gone).
// A failure is never a crash: every call here catches what the file system reports.
//
// Paths are joined with "/"; a folder may be given with or without its trailing "/".
#include <string>
#include <string_view>
#include <vector>

// True for an existing regular file (a symbolic link counts by what it points to); false for
// a folder, a missing path or one that cannot be examined.
bool fileExists(const std::string& path);

// True for an existing folder (or a link to one).
bool directoryExists(const std::string& path);

// Creates one folder level; its parent must exist. False when it could not be created,
// including when it already exists, as the class library answers; callers that only need the
// folder to be there test directoryExists first.
bool createDir(const std::string& path);

// Copies a regular file through replaceFile (system/fileio.h; `durable` as there). With
// `overwrite` false an existing target is left alone and the answer is false. A copy onto
// itself is refused (false), never a truncated file.
bool copyFile(const std::string& from, const std::string& to, bool overwrite = true, bool durable = true);

// `path` + `suffix`, or with "2", "3", ... after the suffix when that name is taken: where a
// file the program will not overwrite is kept beside its original.
std::string freeNameWithSuffix(const std::string& path, const std::string& suffix);

// Deletes a file or a symbolic link (never a folder). False when nothing was deleted.
bool deleteFile(const std::string& path);

// What listFolder returns.
enum class ListKind { Files, Folders, All };

// Names (not paths) of the entries of a folder, without "." and "..", sorted by their bytes so
// the order does not depend on the machine. `filter` is a pattern with "*" (any run of
// characters) and "?" (one character), matched case-insensitively with Czech letters, so
// "*.lan" finds "Cestina.LAN". Files are regular files (or links to them). An unreadable or
// missing folder gives an empty list.
std::vector<std::string> listFolder(const std::string& folder, const std::string& filter = "*",
                                    ListKind kind = ListKind::Files);

// True when `name` matches the listFolder pattern.
bool matchesFilter(const std::string& name, const std::string& filter);

// Deletes a folder with everything below it, never following a symbolic link: a link found
// inside is removed itself and what it points to stays untouched; when `folder` itself is a
// link (or a file), only it goes. Because this wipes whole trees, it refuses (answers false, deletes
// nothing) an empty path, "/" (or only slashes) and any path with a ".." component, so a
// damaged name from a file can never climb out of the folder it meant. Single failures below
// do not stop the rest; the answer is true when nothing is left at `folder`. A folder that
// does not exist answers true.
bool deleteFolderTree(const std::string& folder);

// The path with every "/" at its end removed; the root "/" stays "/".
std::string withoutTrailingSlashes(std::string_view path);

// `folder` and `name` joined with exactly one "/" (an empty folder gives `name`).
std::string joinPath(const std::string& folder, const std::string& name);

// The path of an existing file, tolerating letter case that differs from the name stored: file
// names written on a system that ignored case ("FOTO5.JPG" for "foto5.jpg") must still be
// found. The exact path wins when it exists; otherwise every component that is missing is
// looked up case-insensitively in its parent (the first such name in byte order wins).
// Empty when there is no such file.
std::string findFileCaseInsensitive(const std::string& path);
