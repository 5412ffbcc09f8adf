#pragma once
// The class library's bitmap: a picture held as pixels in memory. Every picture the program
// shows, scales or converts passes through one (a JPEG is decoded into one, a BMP file is one),
// and the Qt renderer shows it straight from its pixel rows.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One pixel; `a` 255 is opaque.
struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Rgba&) const = default;
};

// The largest picture accepted. Sizes come from untrusted files, so they are checked before any
// memory is taken: 65535 is the most a JPEG can declare, and the pixel cap (64 Mpx, 256 MB in
// memory) is above any camera photo the program is meant for.
constexpr int kMaxPictureSide = 65535;
constexpr int64_t kMaxPicturePixels = 64LL * 1024 * 1024;

// The bytes of a picture file. A picture that cannot be read is a graphics error like a
// damaged one, so a missing file raises EInvalidGraphic too.
std::string readPictureFile(const std::string& path);

// How a bitmap is written as a BMP file.
enum class TPixelFormat { pf24bit, pf32bit };

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height) { SetSize(width, height); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    // New size; every pixel becomes opaque black, as a fresh bitmap of the class library is.
    // A negative or oversized size raises EInvalidGraphic.
    void SetSize(int width, int height);

    TPixelFormat PixelFormat = TPixelFormat::pf24bit;

    // Reading outside the bitmap gives a transparent black pixel; writing outside does nothing,
    // as drawing off a canvas's edge does.
    Rgba pixel(int x, int y) const;
    void setPixel(int x, int y, Rgba colour);

    // The pixel rows, top row first, each Width()*4 bytes R, G, B, A with no padding.
    const uint8_t* bits() const { return pixels_.data(); }
    uint8_t* bits() { return pixels_.data(); }

    // Copies `source` with its top-left corner at (x, y), clipped to this bitmap.
    void Draw(int x, int y, const TBitmap& source);
    // Scales `source` into the rectangle from (left, top) up to but not including
    // (right, bottom), clipped to this bitmap. Shrinking averages the source pixels each target
    // pixel covers (a portrait shrunk from a large photo stays smooth); enlarging repeats pixels.
    // An empty rectangle or source draws nothing.
    void StretchDraw(int left, int top, int right, int bottom, const TBitmap& source);

    // BMP files. Loading raises EInvalidGraphic for anything that is not a readable BMP (also
    // for a missing file); saving writes PixelFormat's depth and raises EInOutError when the
    // file cannot be written, EInvalidGraphic for an empty bitmap.
    void LoadFromFile(const std::string& path);
    void SaveToFile(const std::string& path) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> pixels_;
};
