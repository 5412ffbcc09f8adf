#pragma once
// The further-data page's five user fields, each with the label that shows the caption the tree
// gives it and the button that defines that caption. The page's handlers and the undo replay of
// a caption take them from here, so a renamed control does not build.
struct DalsiSheet;
class TButton;
class TLabel;

struct UserCaptionControls {
    TLabel& label;
    TButton& button;
};

// `field` is 1 to 5.
UserCaptionControls userCaptionControls(DalsiSheet& page, int field);
