#pragma once
// The check list of every person of the tree that the group and bulk dialogs show: a person's
// tick is its selection mark (Rod's marks).
class DisplaySettings;
class Rod;
class TCheckListBox;

// Fills the box with every person's display name (birth year and identifier shown), ticked as
// marked, sorted; the box keeps its top row when it still has that many rows.
void fillMarkCheckList(TCheckListBox& box, const Rod& tree, const DisplaySettings& settings);
