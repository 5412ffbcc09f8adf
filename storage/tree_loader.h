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
LoadReport loadCurrentFormat(Rod& tree, TreeFileEnvironment& env);
