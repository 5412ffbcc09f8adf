#include "system/bmp.h"

#include "system/exceptions.h"

#include <climits>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kRgb = 0; // uncompressed
constexpr uint32_t kBitFields = 3; // uncompressed with channel masks

[[noreturn]] void bad(const std::string& why)
{
    throw EInvalidGraphic("Damaged or unsupported BMP picture: " + why);
}

// Little-endian fields read with a bounds check, since every offset comes from the file.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) { }
    void need(size_t at, size_t count) const
    {
        if (at > bytes_.size() || count > bytes_.size() - at)
            bad("the file is cut short");
    }
    uint8_t u8(size_t at) const
    {
        need(at, 1);
        return static_cast<uint8_t>(bytes_[at]);
    }
    uint16_t u16(size_t at) const { return uint16_t(u8(at) | u8(at + 1) << 8); }
    uint32_t u32(size_t at) const { return uint32_t(u16(at)) | uint32_t(u16(at + 2)) << 16; }
    int32_t i32(size_t at) const { return static_cast<int32_t>(u32(at)); }

private:
    std::string_view bytes_;
};

struct Layout {
    int width = 0, height = 0, bits = 0;
    bool topDown = false;
    size_t pixelOffset = 0, stride = 0;
    size_t paletteOffset = 0;
    uint32_t paletteCount = 0;
};

size_t rowStride(int width, int bits)
{
    return (size_t(width) * size_t(bits) + 31) / 32 * 4;
}

// 32-bit pixels with channel masks are accepted when the masks are the ordinary B, G, R order.
void checkMasks(const Reader& r, uint32_t compression, int bits)
{
    if (compression == kRgb)
        return;
    if (compression != kBitFields || bits != 32)
        bad("compressed pixels");
    const size_t masks = kFileHeaderSize + kInfoHeaderSize;
    if (r.u32(masks) != 0x00FF0000 || r.u32(masks + 4) != 0x0000FF00 || r.u32(masks + 8) != 0x000000FF)
        bad("unusual channel masks");
}

Layout readLayout(const Reader& r)
{
    if (r.u8(0) != 'B' || r.u8(1) != 'M')
        bad("no BMP signature");
    const uint32_t infoSize = r.u32(14);
    if (infoSize < kInfoHeaderSize || infoSize > 1024)
        bad("unsupported header");
    Layout l;
    const int32_t width = r.i32(18), height = r.i32(22);
    l.bits = r.u16(28);
    if (width <= 0 || height == 0 || height == INT32_MIN)
        bad("impossible size");
    if (width > kMaxPictureSide || height > kMaxPictureSide || -height > kMaxPictureSide)
        bad("picture too large");
    if (l.bits != 8 && l.bits != 24 && l.bits != 32)
        bad("unsupported colour depth " + std::to_string(l.bits));
    checkMasks(r, r.u32(30), l.bits);
    l.width = width;
    l.height = height < 0 ? -height : height;
    l.topDown = height < 0;
    l.pixelOffset = r.u32(10);
    l.stride = rowStride(l.width, l.bits);
    l.paletteOffset = kFileHeaderSize + infoSize;
    if (l.bits == 8) {
        l.paletteCount = r.u32(46) == 0 ? 256 : r.u32(46);
        if (l.paletteCount > 256)
            bad("palette too large");
        r.need(l.paletteOffset, size_t(l.paletteCount) * 4);
    }
    return l;
}

Rgba paletteColour(const Reader& r, const Layout& l, uint8_t index)
{
    if (index >= l.paletteCount)
        bad("colour index outside the palette");
    const size_t at = l.paletteOffset + size_t(index) * 4;
    return {r.u8(at + 2), r.u8(at + 1), r.u8(at), 255};
}

Rgba filePixel(const Reader& r, const Layout& l, size_t at, int x)
{
    if (l.bits == 8)
        return paletteColour(r, l, r.u8(at + size_t(x)));
    const size_t p = at + size_t(x) * size_t(l.bits / 8);
    return {r.u8(p + 2), r.u8(p + 1), r.u8(p), l.bits == 32 ? r.u8(p + 3) : uint8_t(255)};
}

// Most 32-bit files leave the fourth byte 0 ("reserved"); only a file that uses it has alpha.
void makeOpaqueUnlessAlphaUsed(TBitmap& bitmap)
{
    uint8_t* p = bitmap.bits();
    const size_t n = size_t(bitmap.Width()) * size_t(bitmap.Height()) * 4;
    for (size_t i = 3; i < n; i += 4)
        if (p[i] != 0)
            return;
    for (size_t i = 3; i < n; i += 4)
        p[i] = 255;
}

void putU16(std::string& out, uint16_t v)
{
    out += char(v & 0xFF);
    out += char(v >> 8);
}

void putU32(std::string& out, uint32_t v)
{
    putU16(out, uint16_t(v & 0xFFFF));
    putU16(out, uint16_t(v >> 16));
}

} // namespace

TBitmap decodeBmp(std::string_view bytes)
{
    const Reader r(bytes);
    const Layout l = readLayout(r);
    r.need(l.pixelOffset, l.stride * size_t(l.height)); // before any memory is taken
    TBitmap bitmap(l.width, l.height); // raises for too many pixels
    for (int row = 0; row < l.height; ++row) {
        const size_t at = l.pixelOffset + size_t(row) * l.stride;
        const int y = l.topDown ? row : l.height - 1 - row;
        for (int x = 0; x < l.width; ++x)
            bitmap.setPixel(x, y, filePixel(r, l, at, x));
    }
    if (l.bits == 32) {
        makeOpaqueUnlessAlphaUsed(bitmap);
        bitmap.PixelFormat = TPixelFormat::pf32bit;
    }
    return bitmap;
}

std::string encodeBmp(const TBitmap& bitmap, TPixelFormat format)
{
    if (bitmap.Empty())
        throw EInvalidGraphic("An empty picture cannot be saved");
    const int bits = format == TPixelFormat::pf32bit ? 32 : 24;
    const size_t stride = rowStride(bitmap.Width(), bits);
    const size_t imageSize = stride * size_t(bitmap.Height());
    const size_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::string out;
    out.reserve(offset + imageSize);
    out += "BM";
    putU32(out, uint32_t(offset + imageSize));
    putU32(out, 0);
    putU32(out, uint32_t(offset));
    putU32(out, kInfoHeaderSize);
    putU32(out, uint32_t(bitmap.Width()));
    putU32(out, uint32_t(bitmap.Height())); // positive: bottom row first
    putU16(out, 1);
    putU16(out, uint16_t(bits));
    putU32(out, kRgb);
    putU32(out, uint32_t(imageSize));
    putU32(out, 3780); // 96 dots per inch
    putU32(out, 3780);
    putU32(out, 0);
    putU32(out, 0);
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        for (int x = 0; x < bitmap.Width(); ++x) {
            const Rgba p = bitmap.pixel(x, y);
            out += char(p.b);
            out += char(p.g);
            out += char(p.r);
            if (bits == 32)
                out += char(p.a);
        }
        out.append(stride - (out.size() - rowStart), '\0');
    }
    return out;
}
