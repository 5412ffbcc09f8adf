#include "system/bitmap.h"

#include "system/bmp.h"
#include "system/exceptions.h"
#include "system/fileio.h"

#include <algorithm>

namespace {

// The source span [first, last) one target pixel covers when `sourceSize` pixels are spread
// over `targetSize`; never empty, so enlarging repeats the nearest pixel.
void coveredSpan(int64_t target, int64_t targetSize, int sourceSize, int& first, int& last)
{
    first = static_cast<int>(target * sourceSize / targetSize);
    last = static_cast<int>((target + 1) * sourceSize / targetSize);
    last = std::max(last, first + 1);
}

Rgba averageOf(const TBitmap& source, int x0, int x1, int y0, int y1)
{
    uint64_t r = 0, g = 0, b = 0, a = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const Rgba p = source.pixel(x, y);
            r += p.r;
            g += p.g;
            b += p.b;
            a += p.a;
        }
    const uint64_t n = uint64_t(x1 - x0) * uint64_t(y1 - y0);
    auto avg = [n](uint64_t sum) { return static_cast<uint8_t>((sum + n / 2) / n); };
    return {avg(r), avg(g), avg(b), avg(a)};
}

} // namespace

void TBitmap::SetSize(int width, int height)
{
    if (width < 0 || height < 0 || width > kMaxPictureSide || height > kMaxPictureSide ||
        int64_t(width) * height > kMaxPicturePixels)
        throw EInvalidGraphic("Picture size " + std::to_string(width) + " x " + std::to_string(height) +
                              " is not supported");
    width_ = width;
    height_ = height;
    pixels_.assign(size_t(width) * size_t(height) * 4, 0);
    for (size_t i = 3; i < pixels_.size(); i += 4)
        pixels_[i] = 255;
}

Rgba TBitmap::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return {0, 0, 0, 0};
    const uint8_t* p = &pixels_[(size_t(y) * size_t(width_) + size_t(x)) * 4];
    return {p[0], p[1], p[2], p[3]};
}

void TBitmap::setPixel(int x, int y, Rgba colour)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    uint8_t* p = &pixels_[(size_t(y) * size_t(width_) + size_t(x)) * 4];
    p[0] = colour.r;
    p[1] = colour.g;
    p[2] = colour.b;
    p[3] = colour.a;
}

void TBitmap::Draw(int x, int y, const TBitmap& source)
{
    StretchDraw(x, y, x + source.Width(), y + source.Height(), source);
}

void TBitmap::StretchDraw(int left, int top, int right, int bottom, const TBitmap& source)
{
    const int64_t w = int64_t(right) - left, h = int64_t(bottom) - top;
    if (w <= 0 || h <= 0 || source.Empty())
        return;
    const int yFrom = std::max(top, 0), yTo = std::min(bottom, height_);
    const int xFrom = std::max(left, 0), xTo = std::min(right, width_);
    for (int y = yFrom; y < yTo; ++y) {
        int sy0, sy1;
        coveredSpan(y - int64_t(top), h, source.Height(), sy0, sy1);
        for (int x = xFrom; x < xTo; ++x) {
            int sx0, sx1;
            coveredSpan(x - int64_t(left), w, source.Width(), sx0, sx1);
            setPixel(x, y, averageOf(source, sx0, sx1, sy0, sy1));
        }
    }
}

std::string readPictureFile(const std::string& path)
{
    try {
        return readFileBytes(path);
    } catch (const EInOutError& e) {
        throw EInvalidGraphic(e.Message());
    }
}

void TBitmap::LoadFromFile(const std::string& path)
{
    *this = decodeBmp(readPictureFile(path));
}

void TBitmap::SaveToFile(const std::string& path) const
{
    writeFileAtomic(path, encodeBmp(*this, PixelFormat));
}
