#pragma once
// The loader of tree files of the current format (storage/tree_file_format.h).
#include "storage/body_cursor.h"
#include "storage/tree_file_format.h"

#include <string>
#include <string_view>

class Rod;

// Fills `tree` (new, holding its file name) from its file: a save of that file that was
// interrupted is repaired first (storage/tree_pair.h); every key of the format, stores and
// portraits registered only when their stored copy is in the companion folder (copied then into
// the working folder, which is emptied first), persons, parents, partnerships and group
// members linked by number. Media whose copy is missing are left out and answered, with the
// last line read.
//
// Nothing read is trusted: a file cut short, a number that is not one, a count below zero
// raise EDamagedTreeFile (EInOutError when the file cannot be read), and the caller discards
// the tree; no placeholder is left behind. A key in the wrong place, a number naming nothing
// and a partnership without two distinct existing partners are dropped.
//
// With `readWhatCan` a damaged file is read as far as it can be instead, as a lenient reader
// takes it: a line that is no key is passed over, a flag other than "1" is clear, a key read
// twice keeps its later value, a creation time that cannot be read is the open's; a number that
// is not one, zeroed bytes or the file's end stop the reading, and what was read before stays.
// The report notes each of them (LoadReport::damage).
LoadReport loadCurrentFormat(Rod& tree, TreeFileEnvironment& env, bool readWhatCan = false);
