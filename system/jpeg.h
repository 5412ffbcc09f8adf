#pragma once
// JPEG pictures through libjpeg's release 6 interface. The portraits, photos and document
// pictures of a tree are stored as JPEG files, and many come from outside (cameras, scanners,
// the web), so a damaged file must end in EInvalidGraphic, never in a crash or an exit:
// libjpeg's fatal errors are turned into that exception, and a file cut short counts as
// damaged. Harmless libjpeg warnings (stray bytes between markers) are ignored and never
// printed.
#include "system/bitmap.h"

// The class library's default JPEG quality.
constexpr int kDefaultJpegQuality = 90;

// Raises EInvalidGraphic for empty, damaged, cut-short or oversized data and for colour
// models that cannot be shown as RGB (CMYK).
TBitmap decodeJpeg(std::string_view bytes);

// Quality 1..100 (values outside are clamped). Alpha is dropped. Raises EInvalidGraphic for
// an empty bitmap.
std::string encodeJpeg(const TBitmap& bitmap, int quality = kDefaultJpegQuality);

// The class library's JPEG image: the decoded picture plus the bytes it came from, so a JPEG
// that is loaded and saved unchanged is copied byte for byte rather than compressed again.
class TJPEGImage {
public:
    int CompressionQuality = kDefaultJpegQuality;

    int Width() const { return bitmap_.Width(); }
    int Height() const { return bitmap_.Height(); }
    bool Empty() const { return bitmap_.Empty(); }
    const TBitmap& bitmap() const { return bitmap_; }

    // Raises EInvalidGraphic for a missing, unreadable or damaged file.
    void LoadFromFile(const std::string& path);
    void LoadFromBytes(std::string_view bytes);
    // Raises EInvalidGraphic for an empty image, EInOutError when the file cannot be written.
    void SaveToFile(const std::string& path) const;
    std::string SaveToBytes() const;

    // Takes the pixels of a bitmap; the next save compresses them at CompressionQuality.
    void Assign(const TBitmap& bitmap);

private:
    TBitmap bitmap_;
    std::string original_;
};
