#pragma once
// The delimited text export: one line per person of the tree's chain, the chosen columns in a
// fixed order, every value followed by the separator. No header and no quoting: values go out
// as stored, for spreadsheets that split on the separator.
#include "shell/report_choices.h"

#include <string>
#include <vector>

class Rod;

// The lines of the file, one per person from the head of the chain.
std::vector<std::string> textExportLines(const Rod& tree, const TextExportChoice& choice);
