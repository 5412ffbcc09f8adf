#pragma once
// The check list of every person of the tree that the group and bulk dialogs show: a person's
// tick is its selection mark (Rod's marks).
#include <string>
#include <utility>
#include <vector>

class DisplaySettings;
class Rod;
class TCheckListBox;

// Fills the box with every person's display name (birth year and identifier shown), ticked as
// marked, sorted; the box keeps its top row when it still has that many rows.
void fillMarkCheckList(TCheckListBox& box, const Rod& tree, const DisplaySettings& settings);

// The same from rows of display names and ticks (a group's members, say).
void fillPersonCheckList(TCheckListBox& box, const std::vector<std::pair<std::string, bool>>& rows);
