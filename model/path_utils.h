#pragma once
// Small helpers on paths and texts that the model, the tree files, the main window and the person
// editor share. Paths use "/" as separator. Texts are UTF-8; every position, length and count
// below is in characters, never in bytes.
#include <cstdint>
#include <string>
#include <string_view>

// --- Paths -------------------------------------------------------------------------------------

// The text up to and including the last "/"; empty when there is none.
std::string folderOfPath(std::string_view path);
// The text after the last "/"; the whole text when there is none.
std::string fileNameOf(std::string_view path);
// The file name without folder and extension.
std::string baseNameOf(std::string_view path);
// The text after the last "." of the last path component, without the dot; empty when the last
// component has no dot ("/home/jan.novak/smlouva" has no extension).
std::string extensionOf(std::string_view name);
// The path without the extension of its last component (and without that dot); the path
// unchanged when the last component has no dot. Names a tree's companion folder.
std::string withoutExtension(std::string_view path);
// Whether `path` (a folder, with or without its trailing "/") lies strictly below `folder`.
// Both are compared as written after collapsing repeated "/"; a component ".." anywhere makes
// the answer false, so "a/b/../../x" never counts as below "a/".
bool isStrictlyBelow(std::string_view path, std::string_view folder);

// Deletes `folder` and everything below it, never following a symbolic link. Refuses (does
// nothing and answers false) an empty path, the root, a path with a ".." component, and a folder
// that is not strictly below `within` (the program folder, or the folder a tree file's companion
// folder lies in). Failures of single deletions are ignored; answers whether the folder is gone.
bool deleteFolderTree(const std::string& folder, const std::string& within);

// --- Texts -------------------------------------------------------------------------------------

// Not empty and every character one of 0 to 9.
bool isDigitText(std::string_view text);
// The number of characters 0 to 9.
int countDigits(std::string_view text);
// The first n digit characters, other characters skipped; empty for n <= 0, all digits when the
// text holds fewer than n.
std::string firstDigits(std::string_view text, int n);
// The value of the digits at the start of the text; 0 when it does not begin with a digit. A run
// too long for 64 bits stops growing at INT64_MAX, so longer numbers still sort after shorter.
int64_t leadingNumber(std::string_view text);
// The decimal number with blanks on the left up to `width` characters (a longer text is kept).
std::string padNumber(long long number, int width);
// A text of fewer than 30 characters unchanged; otherwise its first 3 characters, "..." and its
// last 24 characters.
std::string shortenText(std::string_view text);
// Lower case, then each Czech accented small letter folded to its plain letter (searches).
std::string asciiLowerText(std::string_view text);
// Whether the text begins with a non-empty prefix.
bool startsWith(std::string_view text, std::string_view prefix);
// The order of the person list's identifier column: by leading number when both texts begin with
// a digit (9 before 10; 10a and 10b are equal), otherwise case-insensitively in the collation.
bool lessByNumberOrText(std::string_view first, std::string_view second);
