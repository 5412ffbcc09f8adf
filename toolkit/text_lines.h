#pragma once
// A text fitted to a width, as a label shows it: broken into lines, or one line shortened. Both
// measure with recordedTextWidth, which the renderer gives the screen's font metrics, so a window
// laid out by them shows every line whole on the screen as well as in tests.
#include "toolkit/canvas.h"

#include <string>
#include <vector>

// The lines `text` takes in `width` pixels: its own line breaks kept, a line too wide broken at
// the last blank that leaves it narrow enough (the blanks at the break dropped), and a word wider
// than the whole width broken between letters. A line that fits keeps its blanks as they are.
std::vector<std::string> wrappedLines(const TFont& font, const std::string& text, int width);

// The first `count` lines (at least one), the last ended by "…" when lines were left off.
std::vector<std::string> firstLines(const TFont& font, std::vector<std::string> lines, size_t count,
                                    int width);

// The lines as one text, as a label shows them.
std::string joinedLines(const std::vector<std::string>& lines);

// The text as far as it fits in `width` pixels, ended by "…" when it does not fit whole.
std::string fittedLine(const TFont& font, const std::string& text, int width);
