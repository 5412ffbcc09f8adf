#pragma once
// The pictures the about box and the quiz hold by default, drawn by the program itself: the
// program picture (a tree with its fruit, for a family-tree editor), the quiz's butterfly,
// bumblebee and flower. Each fills the given size on a transparent background.
#include "system/bitmap.h"

#include <memory>

enum class DrawnPicture { familyTree, butterfly, bumblebee, flower };

// Drawn once per picture and size, then shared by every image that shows it.
std::shared_ptr<const TBitmap> drawnPicture(DrawnPicture what, int width, int height);
