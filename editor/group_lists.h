#pragma once
// Small helpers the group windows share.
#include <string>

class Rod;
class PersonEditor;
class TStringList;

// The first line equal to `text`, letter for letter (the lists' own IndexOf ignores case), or -1.
int exactIndexOf(const TStringList& lines, const std::string& text);

// Every group name of the tree, in the tree's order (a sorted list sorts them).
void addGroupNames(TStringList& lines, const Rod& tree);

// After a bulk command: how many locked persons it left as they were (nothing when none).
void tellLockedSkipped(PersonEditor& main, int skipped);
