#pragma once
// Pictures as the program uses them: a bitmap in memory (bitmap.h), JPEG and BMP files
// (jpeg.h, bmp.h), and loading a file by what its name says it is.
#include "system/bitmap.h"
#include "system/bmp.h"
#include "system/jpeg.h"

// The text after the last dot of the file name, lower-cased ("JPG" -> "jpg"); empty when the
// name has no dot. Dots in folder names do not count.
std::string pictureExtension(const std::string& path);

// Loads a picture by its extension, in any letter case: ".jpg" and ".jpeg" as JPEG, ".bmp" as
// BMP. Any other extension, and any file that cannot be read as what its name says, raises
// EInvalidGraphic.
TBitmap loadPictureFile(const std::string& path);
