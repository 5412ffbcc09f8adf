#pragma once
// A person's portrait: a JPEG scaled to fit the main window's portrait frame, stored in the
// working folder as "hlavy/hlava" + the person's number + ".jpg". The import itself is
// `Clovek::importPortraitJpeg` / `Clovek::importPortraitBitmap`.

struct FittedSize {
    int width;
    int height;
};

// The size a width x height picture gets in a frame of maxHeight x maxWidth: first shrunk to the
// frame's height, then to its width, keeping the aspect ratio; never enlarged. Each side is
// truncated to a whole pixel but never below 1, so a very wide or very tall picture still
// gives a drawable bitmap.
FittedSize fitIntoFrame(int width, int height, int maxHeight, int maxWidth);

// The size a picture is previewed at in a frame of maxHeight x maxWidth: as fitIntoFrame, but
// each shrunk side is cut to whole pixels as soon as it is computed (a 1200 x 900 picture in a
// 570 x 529 frame is shown at 570 x 427). Never below 1 pixel either.
FittedSize fitPreview(int width, int height, int maxHeight, int maxWidth);
