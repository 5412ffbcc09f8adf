#pragma once
// Names of the stored copies of a tree's media, relative to the working folder or to a tree's
// companion folder (both hold the same four subfolders and the same names).
#include <array>
#include <string>
#include <string_view>

inline constexpr const char* portraitSubfolder = "hlavy/";
inline constexpr const char* photoSubfolder = "foto/";
inline constexpr const char* documentSubfolder = "dokumenty/";
inline constexpr const char* fileSubfolder = "soubory/";
// In the order the folders are created.
inline constexpr std::array<const char*, 4> mediaSubfolders = {portraitSubfolder, photoSubfolder,
                                                               documentSubfolder, fileSubfolder};

// "hlavy/hlava" + the person's number + ".jpg".
std::string portraitFileName(int personNumber);
// "foto/foto" + number + ".jpg".
std::string photoFileName(int number);
// "dokumenty/dokument" + number + ".jpg".
std::string documentFileName(int number);
// "soubor" + number + "." + type, without the subfolder. A type that cannot safely be part of a
// file name (see isSafeFileType) is left out with its dot: a tree file is untrusted input.
std::string attachedFileStoredName(int number, std::string_view type);
// "soubory/" + attachedFileStoredName.
std::string attachedFileName(int number, std::string_view type);

// Whether an attached file's type may be used in a file name: at least one letter or digit, no
// "/", "\", NUL or "..".
bool isSafeFileType(std::string_view type);
