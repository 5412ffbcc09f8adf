#include "system/exceptions.h"
#include "system/fileio.h"
#include "system/picture.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

// A picture whose every pixel differs, with smooth colour changes JPEG keeps well.
TBitmap gradient(int w, int h, uint8_t alpha = 255)
{
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y,
                       {uint8_t(x * 255 / std::max(1, w - 1)), uint8_t(y * 255 / std::max(1, h - 1)),
                        uint8_t((x + y) * 4), alpha});
    return b;
}

bool samePixels(const TBitmap& a, const TBitmap& b, int tolerance = 0, bool alpha = true)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            Rgba p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(p.r - q.r) > tolerance || std::abs(p.g - q.g) > tolerance ||
                std::abs(p.b - q.b) > tolerance || (alpha && p.a != q.a))
                return false;
        }
    return true;
}

void putU32(std::string& s, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[at + i] = char((v >> (8 * i)) & 0xFF);
}

// Decoding any bytes may fail only with EInvalidGraphic; anything else fails the test.
template<typename Decode> void decodeOrRefuse(Decode decode, const std::string& bytes)
{
    try {
        decode(bytes);
    } catch (const EInvalidGraphic&) {
    }
}

} // namespace

TEST(Bitmap, SizesAreCheckedBeforeMemoryIsTaken)
{
    TBitmap b(3, 2);
    EXPECT_EQ(b.pixel(2, 1), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(b.pixel(3, 0), (Rgba{0, 0, 0, 0})); // outside
    b.setPixel(-1, 0, {1, 2, 3, 4}); // ignored
    EXPECT_THROW(b.SetSize(-1, 5), EInvalidGraphic);
    EXPECT_THROW(b.SetSize(65536, 1), EInvalidGraphic);
    EXPECT_THROW(b.SetSize(60000, 60000), EInvalidGraphic);
    EXPECT_EQ(b.Width(), 3); // a refused size leaves the bitmap as it was
}

TEST(Bitmap, StretchDrawShrinksByAveragingAndEnlargesByRepeating)
{
    TBitmap checker(2, 2);
    checker.setPixel(0, 0, {255, 255, 255, 255});
    checker.setPixel(1, 1, {255, 255, 255, 255});
    TBitmap one(1, 1);
    one.StretchDraw(0, 0, 1, 1, checker);
    EXPECT_EQ(one.pixel(0, 0), (Rgba{128, 128, 128, 255}));

    TBitmap big(4, 4);
    big.StretchDraw(0, 0, 4, 4, checker);
    EXPECT_EQ(big.pixel(1, 1), (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(big.pixel(2, 1), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(big.pixel(3, 3), (Rgba{255, 255, 255, 255}));
}

TEST(Bitmap, PortraitFitKeepsAColourAndClipsAtTheEdges)
{
    TBitmap photo(400, 300);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            photo.setPixel(x, y, {10, 200, 30, 255});
    TBitmap portrait(100, 75);
    portrait.StretchDraw(0, 0, 100, 75, photo);
    EXPECT_EQ(portrait.pixel(0, 0), (Rgba{10, 200, 30, 255}));
    EXPECT_EQ(portrait.pixel(99, 74), (Rgba{10, 200, 30, 255}));

    TBitmap small(10, 10);
    small.StretchDraw(-50, -50, 60, 60, photo); // larger than the target on every side
    small.Draw(8, 8, gradient(5, 5)); // partly outside
    EXPECT_EQ(small.pixel(9, 9), gradient(5, 5).pixel(1, 1));
    small.StretchDraw(5, 5, 5, 9, photo); // empty rectangle: nothing
    small.StretchDraw(9, 9, 2, 2, photo); // turned-over rectangle: nothing
}

TEST(Bmp, RoundTripsAt24And32Bits)
{
    for (int w : {1, 2, 3, 5, 17})
        for (int h : {1, 4}) {
            TBitmap picture = gradient(w, h);
            EXPECT_TRUE(samePixels(decodeBmp(encodeBmp(picture, TPixelFormat::pf24bit)), picture)) << w;
            TBitmap translucent = gradient(w, h, 77);
            TBitmap back = decodeBmp(encodeBmp(translucent, TPixelFormat::pf32bit));
            EXPECT_TRUE(samePixels(back, translucent)) << w;
            EXPECT_EQ(back.PixelFormat, TPixelFormat::pf32bit);
        }
    EXPECT_THROW(encodeBmp(TBitmap(), TPixelFormat::pf24bit), EInvalidGraphic);
}

TEST(Bmp, ReadsTopDownRowsPalettesAndUnusedAlpha)
{
    TBitmap picture = gradient(3, 2);
    std::string bytes = encodeBmp(picture, TPixelFormat::pf32bit);
    // Turn the file top-down by swapping its two rows and negating the height.
    const size_t stride = 12, data = 54;
    std::string rows = bytes.substr(data + stride) + bytes.substr(data, stride);
    bytes.replace(data, rows.size(), rows);
    putU32(bytes, 22, uint32_t(-2));
    for (size_t i = data + 3; i < bytes.size(); i += 4)
        bytes[i] = 0; // a "reserved" fourth byte means opaque
    EXPECT_TRUE(samePixels(decodeBmp(bytes), picture));

    // 2 x 2, 8 bits, two palette colours; rows padded to 4 bytes, bottom row first.
    std::string paletted = encodeBmp(TBitmap(1, 1), TPixelFormat::pf24bit).substr(0, 54);
    putU32(paletted, 10, 54 + 8);
    putU32(paletted, 18, 2);
    putU32(paletted, 22, 2);
    paletted[28] = 8;
    putU32(paletted, 46, 2);
    paletted += std::string("\x00\x00\xff\x00\xff\x00\x00\x00", 8); // red, blue (B G R x)
    paletted += std::string("\x00\x01\x00\x00\x01\x00\x00\x00", 8);
    TBitmap p = decodeBmp(paletted);
    EXPECT_EQ(p.pixel(0, 1), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(p.pixel(1, 1), (Rgba{0, 0, 255, 255}));
    EXPECT_EQ(p.pixel(0, 0), (Rgba{0, 0, 255, 255}));
    paletted[62] = 2; // an index past the two colours
    EXPECT_THROW(decodeBmp(paletted), EInvalidGraphic);
}

TEST(Bmp, DamagedHeadersAreRefused)
{
    const std::string good = encodeBmp(gradient(4, 4), TPixelFormat::pf24bit);
    auto patched = [&](size_t at, uint32_t v) {
        std::string s = good;
        putU32(s, at, v);
        return s;
    };
    EXPECT_THROW(decodeBmp(""), EInvalidGraphic);
    EXPECT_THROW(decodeBmp("BM"), EInvalidGraphic);
    EXPECT_THROW(decodeBmp("XX" + good.substr(2)), EInvalidGraphic);
    EXPECT_THROW(decodeBmp(patched(18, 0)), EInvalidGraphic); // no width
    EXPECT_THROW(decodeBmp(patched(18, uint32_t(-4))), EInvalidGraphic); // negative width
    EXPECT_THROW(decodeBmp(patched(22, 0x80000000u)), EInvalidGraphic);
    EXPECT_THROW(decodeBmp(patched(18, 1000000)), EInvalidGraphic); // huge, file far too short
    EXPECT_THROW(decodeBmp(patched(18, 60000)), EInvalidGraphic); // rows beyond the file
    EXPECT_THROW(decodeBmp(patched(10, 0xFFFFFFF0u)), EInvalidGraphic); // pixels past the end
    EXPECT_THROW(decodeBmp(patched(14, 12)), EInvalidGraphic); // old small header
    EXPECT_THROW(decodeBmp(patched(30, 1)), EInvalidGraphic); // run-length compressed
    std::string sixteen = good;
    sixteen[28] = 16;
    EXPECT_THROW(decodeBmp(sixteen), EInvalidGraphic);
    for (size_t n = 0; n < good.size(); ++n)
        EXPECT_THROW(decodeBmp(good.substr(0, n)), EInvalidGraphic) << n;
}

TEST(Bmp, RandomDamageNeverCrashes)
{
    const std::string good = encodeBmp(gradient(6, 5), TPixelFormat::pf32bit);
    std::mt19937 rng(7);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes = good;
        for (int k = 0; k < 3; ++k)
            bytes[rng() % 70] = char(rng());
        decodeOrRefuse(decodeBmp, bytes);
    }
}

TEST(Jpeg, RoundTripKeepsTheSizeAndNearlyThePixels)
{
    TBitmap picture = gradient(33, 17);
    TBitmap back = decodeJpeg(encodeJpeg(picture, 95));
    EXPECT_TRUE(samePixels(back, picture, 12, false));
    EXPECT_EQ(back.pixel(5, 5).a, 255);
    EXPECT_LT(encodeJpeg(picture, 5).size(), encodeJpeg(picture, 95).size());
    EXPECT_EQ(encodeJpeg(picture, 500), encodeJpeg(picture, 100)); // clamped
    EXPECT_THROW(encodeJpeg(TBitmap()), EInvalidGraphic);
}

TEST(Jpeg, EmptyCutAndGarbageDataRaise)
{
    const std::string good = encodeJpeg(gradient(16, 16));
    EXPECT_THROW(decodeJpeg(""), EInvalidGraphic);
    EXPECT_THROW(decodeJpeg("not a picture at all"), EInvalidGraphic);
    EXPECT_THROW(decodeJpeg(encodeBmp(gradient(2, 2), TPixelFormat::pf24bit)), EInvalidGraphic);
    for (size_t n = 0; n < good.size(); ++n)
        EXPECT_THROW(decodeJpeg(good.substr(0, n)), EInvalidGraphic) << n;
}

TEST(Jpeg, AHugeDeclaredSizeIsRefusedBeforeDecoding)
{
    std::string bytes = encodeJpeg(gradient(8, 8));
    const size_t sof = bytes.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    bytes[sof + 5] = bytes[sof + 6] = bytes[sof + 7] = bytes[sof + 8] = char(0xF0); // 61680 x 61680
    EXPECT_THROW(decodeJpeg(bytes), EInvalidGraphic);
}

TEST(Jpeg, RandomDamageNeverCrashes)
{
    const std::string good = encodeJpeg(gradient(24, 24));
    std::mt19937 rng(11);
    for (int round = 0; round < 1500; ++round) {
        std::string bytes = good;
        for (int k = 0; k < 4; ++k)
            bytes[rng() % bytes.size()] = char(rng());
        decodeOrRefuse(decodeJpeg, bytes);
    }
}

TEST(Jpeg, AnUnchangedImageIsSavedByteForByte)
{
    TempFolder t;
    TJPEGImage jpeg;
    jpeg.Assign(gradient(20, 10));
    jpeg.CompressionQuality = 40;
    jpeg.SaveToFile(t / "a.jpg");
    TJPEGImage loaded;
    loaded.LoadFromFile(t / "a.jpg");
    EXPECT_EQ(loaded.Width(), 20);
    loaded.CompressionQuality = 100;
    EXPECT_EQ(loaded.SaveToBytes(), readFileBytes(t / "a.jpg"));
    loaded.Assign(loaded.bitmap());
    EXPECT_NE(loaded.SaveToBytes(), readFileBytes(t / "a.jpg"));
    EXPECT_THROW(loaded.LoadFromFile(t / "missing.jpg"), EInvalidGraphic);
    EXPECT_EQ(loaded.Width(), 20); // a failed load keeps the old picture
}

TEST(Picture, LoadsByExtensionInAnyCase)
{
    TempFolder t;
    TBitmap picture = gradient(6, 4);
    const std::string jpeg = encodeJpeg(picture), bmp = encodeBmp(picture, TPixelFormat::pf24bit);
    for (const char* name : {"a.jpg", "b.JPG", "c.jpeg", "d.JpEg"})
        EXPECT_EQ(loadPictureFile(t.write(name, jpeg)).Width(), 6) << name;
    EXPECT_TRUE(samePixels(loadPictureFile(t.write("e.BMP", bmp)), picture));
    EXPECT_THROW(loadPictureFile(t.write("f.png", bmp)), EInvalidGraphic);
    EXPECT_THROW(loadPictureFile(t.write("g.jpg", bmp)), EInvalidGraphic);
    EXPECT_THROW(loadPictureFile(t.write("h.bmp", "")), EInvalidGraphic);
    EXPECT_THROW(loadPictureFile(t / "missing.bmp"), EInvalidGraphic);
    EXPECT_EQ(pictureExtension("/x.y/name"), "");
    EXPECT_EQ(pictureExtension("/x/Foto.Jpeg"), "jpeg");
}

TEST(Picture, BitmapFilesSaveAndLoad)
{
    TempFolder t;
    TBitmap picture = gradient(7, 3);
    picture.SaveToFile(t / "p.bmp");
    TBitmap loaded;
    loaded.LoadFromFile(t / "p.bmp");
    EXPECT_TRUE(samePixels(loaded, picture));
    EXPECT_THROW(picture.SaveToFile(t / "no/such/folder.bmp"), EInOutError);
}
