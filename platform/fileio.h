#pragma once
// Whole-file reads and safe whole-file writes.
#include <string>

// The bytes of a file. Raises EInOutError when it cannot be opened or read.
std::string readFileBytes(const std::string& path);

// Writes the bytes to a temporary file in the same folder, flushes it to disk and renames it
// over `path`, so a crash or a full disk never leaves a cut file. Raises EInOutError and leaves
// the old file untouched on failure. `durable` waits until the disk holds the data before the
// rename; files rewritten hundreds of times in a row whose loss costs nothing but defaults (the
// language file on a first start) skip that wait, which on a slow disk would take seconds.
void writeFileAtomic(const std::string& path, const std::string& bytes, bool durable = true);
