#pragma once
// BMP files: the uncompressed Windows bitmap format the program reads portraits and photos from
// and saves pictures to. Reading accepts 24- and 32-bit pixels and 8-bit pixels with a palette,
// rows stored bottom-up or top-down. The bytes are untrusted: every size and offset in the
// headers is checked against the file before it is used.
#include "system/bitmap.h"

// Raises EInvalidGraphic for anything that is not a readable BMP of a supported kind.
TBitmap decodeBmp(std::string_view bytes);

// A bottom-up BMP of 24 bits (alpha dropped) or 32 bits (alpha kept in the fourth byte).
// Raises EInvalidGraphic for an empty bitmap.
std::string encodeBmp(const TBitmap& bitmap, TPixelFormat format);
