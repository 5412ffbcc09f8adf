#pragma once
// The loader of tree files of the current format (storage/tree_file_format.h).
#include "storage/tree_file_format.h"

#include <string>
#include <string_view>

class Rod;

// The decoded body of a tree file and the place of the next line. The body is read whole,
// whatever its size.
struct BodyCursor {
    std::string bytes;
    // Index of the next byte to read.
    size_t position = 0;
    // Set when a read wanted a line past the end: the file was cut short.
    bool overrun = false;
    // Whether the line read last was ended by a CR, not by the end of the body.
    bool lineEndedByCr = false;
    // Whether a byte is left to read.
    bool more() const { return position < bytes.size(); }
};

// Reads a tree file's body: the four header lines skipped, the byte shift reversed. Raises
// EInOutError when the file cannot be read and EDamagedTreeFile when it has no body.
BodyCursor readSavedState(const std::string& fileName);

// The next line of the body, as Windows-1250 bytes, without its line end; a line ends at CR
// (its LF is skipped) or at a NUL byte. Past the end an empty line, and the cursor is marked.
std::string_view readRawBodyLine(BodyCursor& cursor);
// The same as text.
std::string readBodyLine(BodyCursor& cursor);

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
