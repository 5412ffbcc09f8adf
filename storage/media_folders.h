#pragma once
// The two places a tree's media live. While a tree is open every portrait, photo, document and
// attached file is a file in the working folder (program folder + "temp/"); saving copies them
// into the tree's companion folder beside the tree file (its path without the extension), and
// opening copies them back. Both folders hold the subfolders "hlavy", "foto", "dokumenty" and
// "soubory" with the names of model/media_names.h.
#include <string>

// The tree file's path without its extension, followed by "/"; empty when the file name has no
// extension (such a file has no companion folder, and nothing beside it is ever touched).
std::string companionFolderOf(const std::string& treeFile);

// Makes sure `folder` and its four media subfolders exist (the folder's parent must exist).
// Nothing for an empty name.
void createMediaFolders(const std::string& folder);

// Empties the working folder and makes sure it and its four subfolders exist. The working folder
// is only ever deleted when it lies below the program folder.
void resetWorkingFolder(const std::string& workingFolder, const std::string& programFolder);

// Deletes the companion folder of a tree file when it exists and creates it again with its four
// empty subfolders, ready for a save. Answers the folder, or empty when the tree file has none.
std::string rebuildCompanionFolder(const std::string& treeFile);

// Copies the medium `name` (relative, e.g. "foto/foto3.jpg") from one media folder to the same
// name in another, replacing an existing copy. False when the source is missing or the copy
// failed.
bool copyMedium(const std::string& fromFolder, const std::string& toFolder, const std::string& name);

// Copies the medium `name` from a companion folder into the working folder for a load. A copy
// whose name differs only in letter case ("FOTO3.JPG") is accepted and stored under the proper
// name. False when the companion folder has no such medium.
bool fetchMedium(const std::string& companionFolder, const std::string& workingFolder,
                 const std::string& name);
