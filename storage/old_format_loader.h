#pragma once
// The loader of the tag format that versions 1.0.13 to 1.0.16 wrote: plain Windows-1250 text,
// and beside it a companion folder holding one folder per person ("osoba" + number) with its
// portrait, texts, photos, documents and sound recordings, and "obecne/info.rdk" with the
// tree's further data. Those files are only read; the media are converted into the working
// folder and the tree's stores, and the next save writes the current format.
#include "storage/tree_file_format.h"
#include "system/datetime.h"

#include <string>

class Rod;

// Fills `tree` (new, holding its file name) from an old file. Media that cannot be converted
// are left out, each answered with its message. Raises EDamagedTreeFile for a file that ends before it
// should or holds a number that is not one (EInOutError when it cannot be read); the caller
// discards the tree.
LoadReport loadOldFormat(Rod& tree, TreeFileEnvironment& env);

// An old creation time: days as a decimal number written with a point or a comma, possibly
// with a "+"; failing that its first five digits as whole days; failing that now.
TDateTime readOldCreationTime(const std::string& line);
